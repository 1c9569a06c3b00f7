// Layouts of the configuration record, the general parameters, the operators
// with their screen preferences, and the access-right tables.
// Widths the program does not fix are explained in LAYOUT_CHOICES.md.

#include "store/layout_shorthand.hpp"
#include "store/tables.hpp"

namespace zelto::store::table {
namespace {

using namespace shorthand;

constexpr Field kConf[] = {
    C("IMPRESSORA", 20),
    C("NESTABELE", 50),
    C("C037", 2),
    C("C123", 3),
    N("C124", 2),
    C("CODIGUNFED", 2),
    C("DESCITEM", 1),
    C("DESCITEMGE", 1),
    C("DESCFINAL", 1),
    C("DESCTIPO", 1),
    C("ACRESCIMO", 1),
    C("ARREDONDAM", 1),
    C("IMP_CLIENT", 1),
    C("CLIENTEPAD", 6),
    C("GAVETA", 1),
    C("MENSSAGEM", 384),
    C("LAYOUT", 3),
    C("VENDEDOR", 3),
    C("OBSERVACAO", 1),
    C("TRANSPORTA", 1),
    C("DIRETORIO", 60),
    C("DIREXPO", 60),
    C("DOSLINUX", 1),
    C("C499", 1),
    C("C850", 1),
    // positions of the parts of a weighing-scale barcode
    N("C851", 2),
    N("C852", 2),
    N("C866", 2),
    N("C853", 2),
    N("C854", 2),
    N("C855", 2),
    N("C856", 2),
    N("C857", 2),
    N("C858", 2),
    N("C861", 2),
    N("C862", 2),
    C("C863", 3),
    D("C864"),
    C("C865", 5),
    C("C890", 1),
    C("C891", 5),
    C("C892", 1),
    C("C893", 2),
    C("C894", 1),
    C("C895", 1),
    C("C896", 1),
    C("C897", 1),
    C("C898", 1),
    C("C899", 1),
    C("C900", 1),
    C("C901", 1),
    C("C902", 1),
    N("QTDEMAXIVD", 12, 3),
    C("MD5EXECUTA", 32),
    C("LAUDO", 20),
    C("CODIGECF", 10),
};

// One row of fields per payment-form letter: use flag, name on the ECF, name
// on the screen, document type, cash or credit, instalments, read
// instalments, ask credit data.
#define ZELTO_PAYMENT_FORM(use, ecf, screen, doc, cash, inst, read, ask) \
  C(use, 1), C(ecf, 16), C(screen, 16), C(doc, 2), C(cash, 1), N(inst, 2), C(read, 1), C(ask, 1)

constexpr Field kGeneral[] = {
    C("C313", 3),
    C("C596", 1),
    C("C597", 70),
    C("C581", 2),
    C("C582", 1),
    C("C583", 1),
    C("C584", 1),
    C("C585", 1),
    C("C586", 1),
    C("C587", 1),
    C("C588", 1),
    C("C589", 1),
    C("C590", 1),
    C("C591", 1),
    C("C592", 1),
    C("C593", 1),
    C("C594", 1),
    ZELTO_PAYMENT_FORM("C612", "C562", "C598", "C502", "C514", "C526", "C538", "C550"),   // D
    ZELTO_PAYMENT_FORM("C625", "C563", "C599", "C503", "C515", "C527", "C539", "C555"),   // A
    ZELTO_PAYMENT_FORM("C613", "C564", "C600", "C504", "C516", "C528", "C540", "C551"),   // P
    ZELTO_PAYMENT_FORM("C614", "C565", "C601", "C505", "C517", "C529", "C541", "C552"),   // H
    ZELTO_PAYMENT_FORM("C615", "C566", "C602", "C506", "C518", "C530", "C542", "C553"),   // B
    ZELTO_PAYMENT_FORM("C616", "C567", "C603", "C507", "C519", "C531", "C543", "C554"),   // T
    ZELTO_PAYMENT_FORM("C617", "C568", "C604", "C508", "C520", "C532", "C544", "C556"),   // C
    ZELTO_PAYMENT_FORM("C618", "C569", "C605", "C509", "C521", "C533", "C545", "C557"),   // R
    ZELTO_PAYMENT_FORM("C619", "C570", "C6061", "C510", "C522", "C534", "C546", "C558"),  // V
    ZELTO_PAYMENT_FORM("C620", "C571", "C607", "C511", "C523", "C535", "C547", "C559"),   // M
    ZELTO_PAYMENT_FORM("C621", "C572", "C608", "C512", "C524", "C536", "C548", "C560"),   // E
    ZELTO_PAYMENT_FORM("C622", "C573", "C609", "C513", "C525", "C537", "C549", "C561"),   // I
    ZELTO_PAYMENT_FORM("C623", "C574", "C610", "C575", "C576", "C577", "C578", "C579"),   // U
    // the fourteenth form, TecBan cheque, has only its flag and names
    C("C624", 1),
    C("C580", 16),
    C("C611", 16),
    // C, R, V, M, E, I: read instalment numbers, show instalment dates,
    // largest number of instalments
    C("C650", 1),
    C("C651", 1),
    C("C652", 1),
    C("C653", 1),
    C("C654", 1),
    C("C655", 1),
    C("C658", 1),
    C("C659", 1),
    C("C660", 1),
    C("C661", 1),
    C("C664", 1),
    C("C665", 1),
    N("C666", 2),
    N("C667", 2),
    N("C668", 2),
    N("C669", 2),
    N("C670", 2),
    N("C671", 2),
    // "Outros 01" to "Outros 06": letter, use flag, screen name, ECF name
    C("C644", 1),
    C("C645", 1),
    C("C646", 1),
    C("C647", 1),
    C("C648", 1),
    C("C649", 1),
    C("C626", 1),
    C("C627", 1),
    C("C628", 1),
    C("C629", 1),
    C("C630", 1),
    C("C631", 1),
    C("C632", 16),
    C("C633", 16),
    C("C634", 16),
    C("C635", 16),
    C("C636", 16),
    C("C637", 16),
    C("C638", 16),
    C("C639", 16),
    C("C640", 16),
    C("C641", 16),
    C("C642", 16),
    C("C643", 16),
};

#undef ZELTO_PAYMENT_FORM

constexpr Field kOperators[] = {
    C("C001", 3),
    C("C002", 30),
    C("C003", 6),
    C("C004", 1),
    C("C014", 3),
    C("C083", 6),
    C("C018", 2),
    C("C430", 20),
    C("C431", 10),
    C("C435", 17),
    C("C436", 15),
    C("C495", 33),
    C("C496", 20),
    C("C111", 20),
    C("C133", 20),
    C("C433", 2),
    C("C437", 1),
    C("C068", 3),
    AUDIT_C262,
    AUDIT_C263,
};

constexpr Field kPreferences[] = {
    C("C302", 3),
    C("C209", 1),
    C("C210", 1),
    C("C211", 1),
    C("C212", 70),
    C("C213", 70),
    C("C214", 70),
    C("C215", 70),
    C("C216", 1),
    C("C217", 1),
    C("C218", 1),
    C("C219", 1),
};

constexpr Field kGroups[] = {C("C005", 5), C("C006", 30), AUDIT_C001, AUDIT_C262, AUDIT_C263};
constexpr Field kMembership[] = {C("C001", 3), C("C005", 5)};
constexpr Field kFunctions[] = {C("C007", 8), C("C008", 50), C("C009", 1)};
constexpr Field kGroupRights[] = {C("C005", 5), C("C007", 8)};
constexpr Field kOperatorRights[] = {C("C001", 3), C("C007", 8), C("C009", 1)};

}  // namespace

constinit const Layout CO{"CONF.DBF", "CO", kConf};
constinit const Layout CG{"M226.DBF", "CG", kGeneral};
constinit const Layout US{"M001.DBF", "US", kOperators};
constinit const Layout CF{"M081.DBF", "CF", kPreferences};
constinit const Layout GR{"m002.dbf", "GR", kGroups};
constinit const Layout UG{"m003.dbf", "UG", kMembership};
constinit const Layout MO{"M004.DBF", "MO", kFunctions};
constinit const Layout GM{"m005.dbf", "GM", kGroupRights};
constinit const Layout UM{"M006.DBF", "UM", kOperatorRights};

}  // namespace zelto::store::table
