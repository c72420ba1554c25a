#include "world/Sponsor.h"

#include <utility>

#include "platform/BinaryFile.h"

// The logo file comes first in the file, before the name.
bool CSponsor::Write(BinaryFile& f, uint8_t) const {
    f.WriteString(logoFile);
    f.WriteString(name);
    f.Write(financialSituation);
    return f.Ok();
}

bool CSponsor::Read(BinaryFile& f, uint8_t) {
    CSponsor s;
    f.ReadString(s.logoFile);
    f.ReadString(s.name);
    f.Read(s.financialSituation);
    if (!f.Ok())
        return false;
    *this = std::move(s);
    return true;
}
