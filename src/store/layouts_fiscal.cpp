// Layouts of the fiscal day and its Z reduction, the other documents the
// printer issues, the printer register, the counters, the cash periods and
// movements, and the logs.
// Widths the program does not fix are explained in LAYOUT_CHOICES.md; a seal
// field is exactly as wide as the longest seal text of its table.

#include "store/layout_shorthand.hpp"
#include "store/tables.hpp"

namespace zelto::store::table {
namespace {

using namespace shorthand;

// The printer's answer to the request for the last Z reduction's data is 631
// characters (1167 from Epson printers); the fiscal day's seal carries it
// trimmed, after 206 characters of the other sealed fields.
constexpr int kLongestZData = 1167;
constexpr int kDaySealWithoutZData = 206;

constexpr Field kDays[] = {
    D("DATA"),
    C("PDV", 4),
    C("SITUACAO", 1),
    C("HORA_ABER", 5),
    C("HORA_FECH", 5),
    C("C001", 3),
    N("GTDA", 14, 4),
    N("CANCEL", 14, 4),
    N("DESCON", 10, 4),
    N("SANGRI", 10, 4),
    N("SUPRIM", 10, 4),
    N("ACRESC", 14, 4),
    N("ACREFI", 14, 4),
    N("CREDZ", 6),
    C("COO", 10),
    C("CRO", 6),
    C("NROORDUSU", 2),
    D("DATAEMISS"),
    C("HORAEMISS", 6),
    N("VENDABRUTA", 14, 4),
    M("STATUS"),
    C("PARAMETRO", 1),
    C("NUMERSERIE", kSerialWidth),
    C("MD5_REGI", kDaySealWithoutZData + kLongestZData),
};
constexpr std::string_view kDaySeal[] = {
    "DATA",   "SITUACAO", "PDV",    "HORA_ABER", "HORA_FECH", "SITUACAO",  "C001",      "GTDA",
    "CANCEL", "DESCON",   "SANGRI", "SUPRIM",    "ACRESC",    "ACREFI",    "CREDZ",     "COO",
    "STATUS", "CRO",      "NROORDUSU", "DATAEMISS", "HORAEMISS", "VENDABRUTA", "PARAMETRO", "NUMERSERIE",
};

constexpr Field kZTotals[] = {
    D("DATA"),
    C("PDV", 4),
    C("NROCOO", 6),
    C("SITUACAO", 1),
    C("C231", 7),
    N("C232", 15, 2),
    N("CREDZ", 6),
    C("NUMERSERIE", kSerialWidth),
    C("MD5_REGI", 70),
};
constexpr std::string_view kZTotalSeal[] = {
    "DATA", "SITUACAO", "PDV", "C231", "C232", "NROCOO", "NUMERSERIE", "CREDZ",
};

constexpr Field kOtherDocuments[] = {
    D("DATA"),
    C("PDV", 4),
    C("NROCOO", 6),
    C("NROGNF", 6),
    C("NROGRG", 6),
    C("NROCDC", 6),
    C("SIMBOLO", 2),
    D("DATARODAPE"),
    C("HORARODAPE", 6),
    N("TAM_COLUNA", 2),
    M("DESCRMEMO"),
    C("NUMERSERIE", kSerialWidth),
    AUDIT_C001,
    AUDIT_C262,
    AUDIT_C263,
    C("MD5_REGI", 93),
};
constexpr std::string_view kOtherDocumentSeal[] = {
    "DATA",       "PDV",  "NROCOO", "NROGNF", "NROGRG", "NROCDC",     "SIMBOLO",
    "DATARODAPE", "HORARODAPE", "C001", "C262", "C263", "TAM_COLUNA", "NUMERSERIE",
};

constexpr Field kPrinters[] = {
    C("C123", 3),
    C("C124", 50),
    C("C209", 20),
    C("C220", 1),
    C("C219", 7),
    C("C215", 20),
    C("C21010", 20),
    C("C216", 10),
    D("C217"),
    C("C218", 8),
    C("C221", 14),
    C("C222", 14),
    C("C223", 14),
    // the registration form shows who changed a printer last
    AUDIT_C001,
    AUDIT_C262,
    AUDIT_C263,
    C("MD5_REGI", 189),
};
constexpr std::string_view kPrinterSeal[] = {
    "C123", "C124", "C209", "C217", "C221", "C222", "C223", "C220", "C219", "C215", "C21010", "C216", "C218",
};

constexpr Field kAuthorisedPrinters[] = {C("C300", 10), C("C301", 50), C("C302", 20)};

constexpr Field kCounters[] = {
    C("C777", 8), C("C778", 1), N("C779", 10), N("C780", 6), N("C781", 10), N("C251", 6),
};

constexpr Field kCashMovements[] = {
    C("C037", 2),
    C("C093", 4),
    C("C077", 6),
    C("C083", 6),
    C("C101", 19),
    D("C096"),
    C("C094", 1),
    N("C076", 12, 2),
    C("C091", 40),
    C("C090", 12),
    C("C130", 2),
    C("C036", 6),
    C("C125", 1),
    C("C042", 6),
    C("C100", 30),
    AUDIT_C001,
    AUDIT_C262,
    AUDIT_C263,
};

constexpr Field kCashPeriods[] = {
    C("C083", 6),
    D("C096"),
    C("C104", 5),
    N("C097", 12, 2),
    C("C099", 1),
    N("C098", 12, 2),
    N("C100", 12, 2),
    N("C101", 12, 2),
    N("C102", 12, 2),
    N("C103", 12, 2),
    D("C105"),
    C("C106", 5),
    C("C107", 10),
    AUDIT_C001,
    AUDIT_C262,
    AUDIT_C263,
};

constexpr Field kErrorLog[] = {M("C901"), D("C902"), C("C903", 8), AUDIT_C001, AUDIT_C262, AUDIT_C263};

constexpr Field kExchangeLog[] = {
    C("C037", 2), C("C800", 4), C("C801", 8), C("C802", 1), M("C803"), AUDIT_C001, AUDIT_C262, AUDIT_C263,
};

}  // namespace

constinit const Layout PD{"PDV.DBF", "PD", kDays, kDaySeal};
constinit const Layout Y1{"m611.dbf", "Y1", kZTotals, kZTotalSeal};
constinit const Layout Y4{"m614.dbf", "Y4", kOtherDocuments, kOtherDocumentSeal};
constinit const Layout EF{"m350.dbf", "EF", kPrinters, kPrinterSeal};
constinit const Layout Y5{"m615.dbf", "Y5", kAuthorisedPrinters};
constinit const Layout NV{"M230.DBF", "NV", kCounters};
constinit const Layout MV{"M221.DBF", "MV", kCashMovements};
constinit const Layout RE{"M245.DBF", "RE", kCashPeriods};
constinit const Layout Y0{"m610.dbf", "Y0", kErrorLog};
constinit const Layout P1{"m521.DBF", "P1", kExchangeLog};

}  // namespace zelto::store::table
