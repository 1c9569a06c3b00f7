#include "app/startup_settings.hpp"

#include <array>
#include <string>

#include "platform/runtime/text.hpp"

namespace zelto::app {
namespace {

using core::Text;
using runtime::prefix_equal;
using runtime::trim;

// The fourteen payment forms the payment screen lists, in their entry
// order: letter (none for the TecBan cheque), use flag, name on the screen,
// name on the printer, the name used when a name field is empty, and the
// setting that holds the printer name.
struct PaymentForm {
  const char* letter;
  const char* use_field;
  const char* screen_field;
  const char* printer_field;
  const char* default_name;
  const char* printer_setting;
};

constexpr std::array<PaymentForm, 14> kPaymentForms{{
    {"D", "C612", "C598", "C562", "Dinheiro        ", "V_DPRESTD"},
    {"A", "C625", "C599", "C563", "Cartao          ", "V_DPRESTA"},
    {"P", "C613", "C600", "C564", "HiperCard       ", "V_DPRESTP"},
    {"H", "C614", "C601", "C565", "Consulta Cheque ", "V_DPRESTH"},
    {"B", "C615", "C602", "C566", "TecBan          ", "V_DPRESTB"},
    {"T", "C616", "C603", "C567", "Ticket          ", "V_DPRESTT"},
    {"C", "C617", "C604", "C568", "Cheque          ", "V_DPRESTC"},
    {"R", "C618", "C605", "C569", "RedeCard Avulso ", "V_DPRESTR"},
    {"V", "C619", "C6061", "C570", "VISA Avulso     ", "V_DPRESTV"},
    {"M", "C620", "C607", "C571", "American Avulso ", "V_DPRESTM"},
    {"E", "C621", "C608", "C572", "TecBan Avulso   ", "V_DPRESTE"},
    {"I", "C622", "C609", "C573", "HiperCard Avuls ", "V_DPRESTI"},
    {"U", "C623", "C610", "C574", "Cons. CH. TecBan", "V_DPRESTU"},
    {"", "C624", "C611", "C580", "Cheque TecBan   ", "V_DPRESUC"},
}};

// Credit settings of the forms that have them: document type, cash or
// credit, instalments, read instalments, ask credit data.
struct CreditFields {
  char letter;
  const char* fields[5];
};

constexpr std::array<CreditFields, 8> kCreditFields{{
    {'D', {"C502", "C514", "C526", "C538", "C550"}},
    {'T', {"C507", "C519", "C531", "C543", "C554"}},
    {'C', {"C508", "C520", "C532", "C544", "C556"}},
    {'R', {"C509", "C521", "C533", "C545", "C557"}},
    {'V', {"C510", "C522", "C534", "C546", "C558"}},
    {'M', {"C511", "C523", "C535", "C547", "C559"}},
    {'E', {"C512", "C524", "C536", "C548", "C560"}},
    {'I', {"C513", "C525", "C537", "C549", "C561"}},
}};
constexpr std::array<const char*, 5> kCreditSettings{"V_TIDOC", "V_VIPRA", "V_NUPRE", "V_LEPRE", "V_PREST"};

// The card forms keyed by hand also: read instalment numbers, show
// instalment dates, largest number of instalments.
constexpr std::array<CreditFields, 4> kCardFields{{
    {'V', {"C652", "C660", "C668"}},
    {'M', {"C653", "C661", "C669"}},
    {'E', {"C654", "C664", "C670"}},
    {'I', {"C655", "C665", "C671"}},
}};
constexpr std::array<const char*, 3> kCardSettings{"V_LENRP", "V_DIPRP", "V_PMAXP"};

// A form's name: the field cut to 16 characters, or the default when empty.
Text form_name(const SettingsRecord& general, const char* field, const char* default_name) {
  const Text stored = general.text(field);
  return trim(stored).empty() ? Text(default_name) : runtime::left(stored, 16);
}

}  // namespace

Text printer_make(const Text& c893) {
  for (const char* make : {"AC", "EP", "EL", "DA", "SW"})
    if (prefix_equal(c893, make)) return make;
  return "BE";
}

void load_screen_settings(core::Globals& g, const SettingsRecord& conf) {
  g.VIMP_FIS = printer_make(conf.text("C893"));
  g.VDF = conf.text("DESCFINAL") + conf.text("DESCTIPO");
  g.VAVPOUPAPEL = conf.is("C894", "S") ? "S" : "N";
  g.WLE_VALOR_TOTAL = conf.is("C895", "S");
  g.WLER_ITEM_PRIMEIRO = !conf.is("C896", "S");
  g.WQTDEESCONDE = conf.is("C897", "S");
  g.WGET1ESCONDE = conf.is("C898", "S");
}

void load_start_settings(core::Globals& g, const SettingsRecord& conf) {
  load_screen_settings(g, conf);
  const core::Decimal most = conf.number("QTDEMAXIVD");
  g.VQTDEMAXIMO = most.is_zero() ? core::Decimal(1000) : most;
  g.VMD5EXECUTAVEL = conf.text("MD5EXECUTA");
  g.VLAUDO = conf.text("LAUDO");
  Text folder = trim(conf.text("DIRETORIO"));
  if (folder.size() > 1 && folder.back() != '\\') folder += '\\';
  g.WDIRETOR = folder;
  g.WDIRRETAGUARDA = folder;
}

bool load_sales_settings(core::Globals& g, const SettingsRecord& conf) {
  g.WIMP = conf.text("IMPRESSORA");
  g.VDF = conf.text("DESCFINAL") + conf.text("DESCTIPO");
  g.WDF = g.VDF;
  g.W_ESTAB = conf.text("NESTABELE");
  g.W_ARREDON = conf.is("ARREDONDAM", "T") ? "T" : "A";
  g.W_LAYOUT = conf.text("LAYOUT");
  g.W__CODBAR_BALANCA = conf.text("C850");
  g.W_PRI_BALANCA = conf.text("C851");
  g.W_ULT_BALANCA = conf.text("C852");
  g.W_CUL_BALANCA = conf.text("C866");
  g.W_IPE_BALANCA = conf.number("C853");
  g.W_FPE_BALANCA = conf.number("C854");
  g.W_IQU_BALANCA = conf.number("C855");
  g.W_FQU_BALANCA = conf.number("C856");
  g.W_IPEQUANT = conf.number("C857");
  g.W_FPEQUANT = conf.number("C858");
  g.W_IP2QUANT = conf.number("C861");
  g.W_FP2QUANT = conf.number("C862");
  g.W_CBARVEN = conf.text("C499");
  g.WCOL = conf.number("C124");
  g.WDI = conf.text("DESCITEM");
  g.WDIG = conf.text("DESCITEMGE");
  g.WIMP_CLI = conf.text("IMP_CLIENT");
  g.WGAVETA = conf.text("GAVETA");
  g.WMES = conf.text("MENSSAGEM");
  g.WCOD_EST = conf.text("C037");
  g.WMAQUINA = conf.text("C123");
  g.WCLIENTEPAD = conf.number("CLIENTEPAD");
  const Text packer = runtime::upper(trim(conf.text("C891")));
  g.VIMPOEXPO = packer.empty() || packer == "PKZIP" ? "PKZIP" : "EXE45";
  g.WTIDESCACRES = conf.text("DESCFINAL");
  g.WTIPODESCAC = conf.is("DESCTIPO", "V") ? "$" : "%";
  g.W_ANVISA = conf.text("C892");
  return !trim(g.WIMP).empty();
}

void load_payment_form_use(core::Globals& g, const SettingsRecord& general) {
  for (std::size_t i = 0; i < kPaymentForms.size(); ++i) {
    const PaymentForm& f = kPaymentForms[i];
    g.V_USARPGTO[i].use = general.is(f.use_field, "N") ? "N" : "S";
    g.V_USARPGTO[i].name = form_name(general, f.screen_field, f.default_name);
  }
}

void load_payment_form_settings(core::Globals& g, const SettingsRecord& general) {
  g.WCODIGESTOQ = general.text("C313");
  for (const CreditFields& c : kCreditFields)
    for (std::size_t i = 0; i < kCreditSettings.size(); ++i)
      assign_setting(g, std::string(kCreditSettings[i]) + c.letter, general, c.fields[i]);
  for (const CreditFields& c : kCardFields)
    for (std::size_t i = 0; i < kCardSettings.size(); ++i)
      assign_setting(g, std::string(kCardSettings[i]) + c.letter, general, c.fields[i]);
  for (const PaymentForm& f : kPaymentForms) {
    *std::get<Text*>(g.find(f.printer_setting).value()) = form_name(general, f.printer_field, f.default_name);
  }
}

}  // namespace zelto::app
