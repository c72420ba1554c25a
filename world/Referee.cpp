#include "world/Referee.h"

#include <utility>

#include "platform/BinaryFile.h"

// Toughness comes before competence in the file, the other way round from
// the record.
bool CReferee::Write(BinaryFile& f, uint8_t) const {
    f.WriteString(names[0]);
    f.WriteString(names[1]);
    f.Write(toughness);
    f.Write(competence);
    return f.Ok();
}

bool CReferee::Read(BinaryFile& f, uint8_t) {
    CReferee r;
    f.ReadString(r.names[0]);
    f.ReadString(r.names[1]);
    f.Read(r.toughness);
    f.Read(r.competence);
    if (!f.Ok())
        return false;
    *this = std::move(r);
    return true;
}
