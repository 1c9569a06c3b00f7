// Back-office tables that the checkout opens with the rest of its catalogue
// only so that their index files exist; it never reads them, and their
// fields are whatever the back office gives them. When the checkout has to
// create one (a new data folder, a test), these layouts hold exactly the
// fields the keys name, with types that make the keys valid: a field inside
// DTOS() is a date, every other key part text.

#include "store/layout_shorthand.hpp"
#include "store/tables.hpp"

namespace zelto::store::table {
namespace {

using namespace shorthand;

constexpr Field kHP[] = {C("C0071", 8), C("C0077", 8)};
constexpr Field kOT[] = {C("C008001", 10), C("C008002", 10)};
constexpr Field kIP[] = {C("C478", 6), C("C479", 30)};
constexpr Field kIR[] = {C("C100", 4), C("C107", 1), C("C478", 6), C("C018", 2)};
constexpr Field kRV[] = {C("C036", 6)};
constexpr Field kIS[] = {C("C037", 2), C("C500", 4), C("C501", 8), C("C012", 8)};
constexpr Field kTT[] = {C("C012", 8)};

// SINTEGRA summaries: a day, an item and a tax rate as the printer codes it
// ("1800", "FF").
constexpr Field kSinte1[] = {D("DATA")};
constexpr Field kSinte2[] = {D("DATA"), C("ALIQU", 4)};
constexpr Field kSinte3[] = {D("DATA"), C("C012", 8), C("ALIQU", 4)};
constexpr Field kSinte4[] = {C("C125", 8)};
constexpr Field kSinte5[] = {C("C012", 8), C("ALIQU", 4)};
// No key at all; a table needs one field, and the day is what its siblings share.
constexpr Field kSinte6[] = {D("DATA")};

constexpr Field kY6[] = {D("C600")};

constexpr auto kBackOffice = Owner::BackOffice;

}  // namespace

constinit const Layout HP{"M007.DBF", "HP", kHP, {}, kBackOffice};
constinit const Layout OT{"M008.DBF", "OT", kOT, {}, kBackOffice};
constinit const Layout IP{"M255.DBF", "IP", kIP, {}, kBackOffice};
constinit const Layout IR{"M271.DBF", "IR", kIR, {}, kBackOffice};
constinit const Layout RV{"M294.DBF", "RV", kRV, {}, kBackOffice};
constinit const Layout IS{"M502.DBF", "IS", kIS, {}, kBackOffice};
constinit const Layout TT{"M503.DBF", "TT", kTT, {}, kBackOffice};
constinit const Layout ST1{"SINTE1.DBF", "ST1", kSinte1, {}, kBackOffice};
constinit const Layout ST2{"SINTE2.DBF", "ST2", kSinte2, {}, kBackOffice};
constinit const Layout ST3{"SINTE3.DBF", "ST3", kSinte3, {}, kBackOffice};
constinit const Layout ST4{"SINTE4.DBF", "ST4", kSinte4, {}, kBackOffice};
constinit const Layout ST5{"SINTE5.DBF", "ST5", kSinte5, {}, kBackOffice};
constinit const Layout ST6{"SINTE6.DBF", "ST6", kSinte6, {}, kBackOffice};
constinit const Layout Y6{"m616.dbf", "Y6", kY6, {}, kBackOffice};

}  // namespace zelto::store::table
