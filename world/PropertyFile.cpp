#include "platform/BinaryFile.h"
#include "platform/FileFields.h"
#include "world/Property.h"

namespace {

template <typename Io, typename Item>
void ItemFields(Io& io, Item& p) {
    io(p.used, p.kind, p.purchaseYear, p.storedValue);
}

}  // namespace

bool CProperty::Write(BinaryFile& f) const {
    FieldWriter io(f);
    ItemFields(io, *this);
    return io.Ok();
}

// The kind indexes the property tables.
bool CProperty::Read(BinaryFile& f) {
    CProperty read;
    FieldReader io(f);
    ItemFields(io, read);
    if (!io.Ok() || read.kind >= kKinds)
        return false;
    *this = read;
    return true;
}
