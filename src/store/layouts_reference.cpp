// Layouts of the reference tables: printed layouts and their fields, units,
// manufacturers, document types, establishments, places, accountants,
// suppliers, operation natures, series and stock movements. Most come from
// the back office; the checkout keeps its own copies and maintains some.
// Widths the program does not fix are explained in LAYOUT_CHOICES.md.

#include "store/layout_shorthand.hpp"
#include "store/tables.hpp"

namespace zelto::store::table {
namespace {

using namespace shorthand;

constexpr Field kFooterFields[] = {C("C950", 20), C("C951", 40), C("C953", 100)};

constexpr Field kPrintedLayouts[] = {
    C("C350", 3), C("C351", 40), C("C084", 3), AUDIT_C001, AUDIT_C262, AUDIT_C263,
};

constexpr Field kLayoutLines[] = {C("C350", 3), N("C353", 3), N("C354", 3), C("C355", 1), C("C357", 40)};

constexpr Field kUnits[] = {C("C408", 2), C("C409", 40), AUDIT_C001, AUDIT_C262, AUDIT_C263};

constexpr Field kManufacturers[] = {C("C410", 6), C("C411", 40), AUDIT_C001, AUDIT_C262, AUDIT_C263};

constexpr Field kDocumentTypes[] = {
    C("C130", 2), C("C131", 50), N("C132", 8, 4), N("C134", 3), AUDIT_C001, AUDIT_C262, AUDIT_C263,
};

constexpr Field kEstablishments[] = {
    C("C037", 2),
    C("C098", 50),
    C("C420", 30),
    C("C412", 50),
    C("C348", 6),
    C("C366", 20),
    C("C407", 30),
    C("C413", 30),
    C("C018", 2),
    C("C414", 10),
    C("C415", 18),
    C("C416", 16),
    C("C417", 20),
    C("C418", 20),
    C("C421", 20),
    C("C419", 50),
    C("C347", 1),
    C("C108", 3),
    C("C083", 6),
    C("C349", 1),
    C("C350", 1),
    // municipal registration, SUFRAMA registration and e-mail: the legal
    // files and the EFD file read them from here
    C("C367", 16),
    C("C368", 9),
    C("C369", 50),
    // the registration form shows who changed an establishment last
    AUDIT_C001,
    AUDIT_C262,
    AUDIT_C263,
};

constexpr Field kStates[] = {C("C018", 2), C("C099", 30), AUDIT_C001, AUDIT_C262, AUDIT_C263};

constexpr Field kCities[] = {
    C("C401", 6), C("C402", 30), C("C018", 2), C("C100", 3), C("C403", 10), N("C404", 9), C("C405", 7),
    AUDIT_C001,   AUDIT_C262,    AUDIT_C263,
};

constexpr Field kCountries[] = {C("C100", 3), C("C101", 30)};

constexpr Field kPostalCodes[] = {
    C("C973", 40), C("C974", 30), C("C975", 30), C("C978", 8), C("C979", 2), C("C980", 10),
};

constexpr Field kAccountants[] = {
    C("C800", 6),
    C("C801", 50),
    C("C812", 15),
    C("C802", 50),
    C("C811", 6),
    C("C810", 20),
    C("C803", 30),
    C("C813", 30),
    C("C018", 2),
    C("C804", 10),
    C("C805", 18),
    C("C806", 16),
    C("C807", 10),
    C("C808", 10),
    C("C814", 10),
    C("C809", 50),
    // the registration form shows who changed an accountant last
    AUDIT_C001,
    AUDIT_C262,
    AUDIT_C263,
};

constexpr Field kSuppliers[] = {
    C("C042", 6),
    C("C053", 50),
    C("C063", 30),
    C("C064", 1),
    C("C065", 3),
    C("C054", 50),
    C("C407", 30),
    C("C055", 30),
    C("C018", 2),
    C("C056", 10),
    C("C057", 18),
    C("C058", 16),
    C("C059", 20),
    C("C060", 20),
    C("C061", 20),
    C("C062", 50),
    C("C661", 50),
    C("C067", 35),
    C("C068", 35),
    C("C070", 10),
    C("C075", 10),
};

constexpr Field kNatures[] = {
    C("C050", 3),
    C("C482", 40),
    C("C394", 1),
    C("C141", 1),
    C("C135", 5),
    C("C136", 5),
    C("C137", 40),
    C("C139", 3),
    C("C140", 3),
    C("C134", 3),
    C("C309", 1),
    C("C310", 1),
    C("C311", 1),
    C("C312", 1),
};

constexpr Field kSeries[] = {C("C317", 2), C("C318", 40), C("C360", 2), C("C361", 2), C("C362", 3)};

constexpr Field kStockMovements[] = {
    C("C037", 2),  C("C500", 4),  C("C501", 8),  C("C502", 2), D("C503"),    C("C504", 1),    C("C505", 10),
    C("C506", 10), C("C507", 10), C("C509", 12), C("C317", 2), C("C036", 6), C("C050", 3),
};

}  // namespace

constinit const Layout AM{"M009.DBF", "AM", kFooterFields};
constinit const Layout TO{"M276.DBF", "TO", kPrintedLayouts};
constinit const Layout LT{"M277.DBF", "LT", kLayoutLines};
constinit const Layout UD{"M246.DBF", "UD", kUnits};
constinit const Layout FB{"M247.DBF", "FB", kManufacturers};
constinit const Layout TD{"m231.dbf", "TD", kDocumentTypes};
constinit const Layout UN{"M222.DBF", "UN", kEstablishments};
constinit const Layout ET{"M223.DBF", "ET", kStates};
constinit const Layout R8{"m548.dbf", "R8", kCities};
constinit const Layout D5{"m405.dbf", "D5", kCountries};
constinit const Layout EP{"M374.DBF", "EP", kPostalCodes};
constinit const Layout Z9{"m609.dbf", "Z9", kAccountants};
constinit const Layout FO{"m212.dbf", "FO", kSuppliers};
constinit const Layout NO{"m258.dbf", "NO", kNatures};
constinit const Layout SE{"m290.dbf", "SE", kSeries};
constinit const Layout ES{"M501.DBF", "ES", kStockMovements};

}  // namespace zelto::store::table
