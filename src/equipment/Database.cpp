#include "equipment/Database.h"

namespace tfd {

std::string_view FieldClassName(EFieldClass c) {
  switch (c) {
    case EFieldClass::SmallInt: return "small integer";
    case EFieldClass::Integer: return "integer";
    case EFieldClass::Float: return "float";
    case EFieldClass::String: return "string";
  }
  return "unknown";
}

int IRowSource::Require(std::string_view column) const {
  const int i = ColumnIndex(column);
  if (i < 0) throw TDatabaseError("Field '" + std::string(column) + "' not found");
  return i;
}

}  // namespace tfd
