// Layouts of what a sale reads and writes: items and their taxation, clients,
// the receipts with their items, payments and instalments, the work tables of
// the receipt being sold, and the item history.
// Widths the program does not fix are explained in LAYOUT_CHOICES.md; a seal
// field is exactly as wide as the longest seal text of its table.

#include "store/layout_shorthand.hpp"
#include "store/tables.hpp"

namespace zelto::store::table {
namespace {

using namespace shorthand;

constexpr Field kItems[] = {
    C("C012", 8),
    C("C030", 40),
    N("C031", 10, 2),
    C("C408", 2),
    C("C100", 4),
    C("C674", 4),
    C("TRIBUTACAO", 5),
    C("C851", 1),
    C("C852", 1),
    C("C431", 1),
    C("C432", 1),
    C("C666", 14),
    C("C676", 30),
    C("C410", 6),
    C("C672", 60),
    C("C673", 15),
    C("C163", 1),
    C("C155", 3),
    N("C837", 10, 3),
    D("DTESTOQUE"),
    C("C847", 10),
    C("C841", 1),
    N("C694", 1),
    C("C696", 1),
    C("C708", 14),
    AUDIT_C001,
    AUDIT_C262,
    AUDIT_C263,
    C("MD5_REGI", 139),
};
constexpr std::string_view kItemSeal[] = {
    "C012", "C666", "C030", "C408", "DTESTOQUE", "C837", "C031", "C851", "C852",
    "C431", "C432", "C847", "C001", "C263", "C262", "C100", "TRIBUTACAO",
};

constexpr Field kRates[] = {
    C("C674", 3), C("C676", 20), N("C677", 5, 2), C("C679", 4), C("C678", 4), C("C675", 3),
    AUDIT_C001,   AUDIT_C262,    AUDIT_C263,
};

constexpr Field kSituationRates[] = {
    C("C100", 4), C("C107", 1), C("C478", 6), C("C200", 2), C("C674", 3), C("C6741", 3), N("C106", 5, 2), N("C121", 6, 2),
};

constexpr Field kSituations[] = {
    C("C100", 4),  C("C101", 40), D("C102"),    D("C103"),  C("C104", 1),  C("C105", 3),
    C("C106", 70), C("C108", 40), C("C109", 3), C("C110", 70), C("C200", 2), AUDIT_C001,
    AUDIT_C262,    AUDIT_C263,
};

constexpr Field kClients[] = {
    C("C036", 6),
    C("C373", 1),
    C("C114", 50),
    C("C124", 30),
    C("C118", 18),
    C("C119", 16),
    C("C117", 10),
    C("C115", 50),
    N("C661", 6),
    C("C662", 20),
    C("C407", 30),
    C("C116", 30),
    C("C018", 2),
    C("C120", 20),
    C("C121", 20),
    C("C122", 20),
    C("C082", 50),
    C("C383", 50),
    C("C401", 35),
    C("C402", 35),
    C("C385", 1),
    // the registration form shows who changed a client last
    AUDIT_C001,
    AUDIT_C262,
    AUDIT_C263,
};

constexpr Field kReceipts[] = {
    C("C037", 2),
    C("C123", 3),
    C("C125", 8),
    C("C036", 6),
    C("C126", 1),
    C("C127", 1),
    D("C128"),
    C("C129", 5),
    N("C130", 12, 2),
    N("C131", 12, 2),
    N("C132", 12, 2),
    C("C131D", 1),
    C("C132A", 1),
    C("C133", 14),
    C("C014", 3),
    C("C083", 6),
    C("C134", 1),
    C("C1301", 2),
    C("C400", 12),
    D("C401"),
    D("C402"),
    C("C403", 8),
    C("C245", 6),
    C("C433", 2),
    C("C114", 50),
    C("C435", 18),
    C("NOMECLIEN", 48),
    C("ENDERCLIEN", 48),
    C("CPFCNPJCLI", 42),
    C("C_001", 1),
    C("C_002", 15),
    C("C_010", 20),
    C("C_011", 5),
    C("C_012", 15),
    C("C_022", 10),
    C("C_027", 15),
    C("C_140", 1),
    N("TROCO", 12, 2),
    C("CAN_A_FECH", 1),
    C("NUMERSERIE", kSerialWidth),
    C("MD5_REGI", 318),
};
constexpr std::string_view kReceiptSeal[] = {
    "C037",  "C123",  "C125",  "C036",  "C126",  "C127",  "C128", "C129", "C130",  "C131",  "C132",  "C133",
    "C014",  "C083",  "C134",  "C1301", "C400",  "C401",  "C_002", "C_010", "C_012", "C_027", "C_001", "C_140",
    "C_022", "C_011", "C402",  "C403",  "C433",  "C114",  "C435", "C245", "C131D", "C132A", "NUMERSERIE",
};

constexpr Field kReceiptItems[] = {
    C("C037", 2),
    C("C123", 3),
    C("C125", 8),
    D("C402"),
    C("C403", 8),
    D("C128"),
    C("C129", 5),
    N("C136", 8),
    C("C012", 8),
    C("C030", 40),
    N("C133", 12, 4),
    N("C031", 10, 2),
    N("C134", 12, 3),
    N("C135", 12, 3),
    N("C137", 12, 3),
    C("C138", 1),
    C("C139", 4),
    C("C851", 1),
    C("C852", 1),
    C("C431", 1),
    C("C432", 1),
    C("C434", 6),
    C("C507", 1),
    C("C508", 1),
    C("C509", 15),
    C("C510", 1),
    D("C511"),
    C("C512", 40),
    C("C513", 15),
    C("C514", 7),
    C("C515", 2),
    C("C516", 40),
    C("C517", 2),
    C("C518", 15),
    C("C519", 8),
    C("C520", 2),
    C("C521", 15),
    C("NUMERSERIE", kSerialWidth),
    C("MD5_REGI", 190),
};
constexpr std::string_view kReceiptItemSeal[] = {
    "C037", "C123", "C125", "C402", "C403", "C136", "C012", "C133", "C134", "C031", "C135",
    "C139", "C137", "C138", "C030", "C851", "C852", "C431", "C432", "C434", "NUMERSERIE",
};

constexpr Field kPayments[] = {
    C("C037", 2),
    C("C123", 3),
    C("C125", 8),
    D("C402"),
    C("C403", 8),
    C("C451", 2),
    C("C245", 6),
    C("C254", 4),
    C("C255", 16),
    N("C361", 12, 2),
    C("C260", 1),
    N("C261", 12, 2),
    C("C264", 6),
    N("TROCO", 12, 2),
    C("DOCUMENTO", 3),
    C("NUMERSERIE", kSerialWidth),
    AUDIT_C001,
    AUDIT_C262,
    AUDIT_C263,
    C("MD5_REGI", 128),
};
constexpr std::string_view kPaymentSeal[] = {
    "C037", "C123", "C125", "C402", "C403", "C451", "C245", "C361", "C254",
    "C255", "C260", "C261", "C001", "C262", "C263", "C264", "NUMERSERIE",
};

constexpr Field kInstalments[] = {
    C("C037", 2),      C("C123", 3),      C("C125", 8),  D("C128"),    C("C129", 5),
    D("C402"),         C("C403", 8),      C("C451", 2),  C("C130", 2), C("C452", 12),
    D("C453"),         N("C454", 12, 2),  N("C700", 12, 2),
    C("NUMERSERIE", kSerialWidth),
};

constexpr Field kSaleItems[] = {
    C("C400", 4),
    C("C012", 8),
    C("C040", 40),
    N("C034", 12, 2),
    N("C035", 12, 4),
    N("C066", 12, 2),
    N("C067", 12, 2),
    C("C108", 3),
};

constexpr Field kSaleInstalments[] = {
    C("C451", 2), C("C130", 2), C("C452", 12), D("C453"), N("C454", 12, 2), N("C700", 12, 2),
};

constexpr Field kSalePayments[] = {C("C451", 2)};

constexpr Field kItemHistory[] = {
    C("C012", 8), C("C030", 40), C("C0301", 60), D("C700"), D("C701"), C("C702", 1),
    AUDIT_C001,   AUDIT_C262,    AUDIT_C263,
};

}  // namespace

constinit const Layout IT{"M206.DBF", "IT", kItems, kItemSeal};
constinit const Layout A1{"M370.DBF", "A1", kRates};
constinit const Layout IE{"M214.DBF", "IE", kSituationRates};
constinit const Layout ST{"M251.DBF", "ST", kSituations};
constinit const Layout CL{"M216.DBF", "CL", kClients};
constinit const Layout RO{"M336.DBF", "RO", kReceipts, kReceiptSeal};
constinit const Layout PC{"M337.DBF", "PC", kReceiptItems, kReceiptItemSeal};
constinit const Layout Y2{"m612.dbf", "Y2", kPayments, kPaymentSeal};
constinit const Layout CR{"m504.DBF", "CR", kInstalments};
constinit const Layout IO{"M500.DBF", "IO", kSaleItems};
constinit const Layout P2{"m522.DBF", "P2", kSaleInstalments};
constinit const Layout Y3{"m613.dbf", "Y3", kSalePayments};
constinit const Layout Y7{"m617.dbf", "Y7", kItemHistory};

}  // namespace zelto::store::table
