#pragma once
// The seal text of a record: its sealed fields joined in the seal order,
// each written in its table's form (seal_forms.hpp). The seal stored in
// MD5_REGI is this text scrambled.

#include <string>

#include "platform/xbase/table.hpp"
#include "store/seal_forms.hpp"

namespace zelto::store {

// The text of the table's current record. Text fields are read at the width
// the table has in the folder, which is how every other checkout reads them.
std::string seal_text(const xbase::Table& table, const SealedTable& sealed);

}  // namespace zelto::store
