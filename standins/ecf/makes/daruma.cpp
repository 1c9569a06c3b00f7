// "Daruma32.dll": the Daruma entries over the emulated printer.

#include "ecf/makes/abi.hpp"
#include "ecf/makes/classic.hpp"

using namespace zelto::ecfsim;
namespace c = zelto::ecfsim::classic;
constexpr Make kMake = Make::DA;

// Receipt and day.
ECFSIM_ENTRY int Daruma_FI_AbreCupom(const char* cpf) { return c::open_receipt(kMake, cpf); }
ECFSIM_ENTRY int Daruma_FI_VendeItemDepartamento(const char* code, const char* description, const char* tax,
                                                 const char* price, const char* quantity, const char* surcharge,
                                                 const char* discount, const char* department, const char* unit) {
  return c::sell(kMake, code, description, tax, price, quantity, surcharge, discount, department, unit);
}
ECFSIM_ENTRY int Daruma_FI_CancelaItemAnterior() { return c::cancel_last_item(kMake); }
ECFSIM_ENTRY int Daruma_FI_CancelaItemGenerico(const char* item) { return c::cancel_item(kMake, item); }
ECFSIM_ENTRY int Daruma_FI_CancelaCupom() { return c::cancel_receipt(kMake); }
ECFSIM_ENTRY int Daruma_FI_IniciaFechamentoCupom(const char* kind, const char* mode, const char* value) {
  return c::subtotal(kMake, kind, mode, value);
}
ECFSIM_ENTRY int Daruma_FI_EfetuaFormaPagamento(const char* form, const char* amount) {
  return c::pay(kMake, form, amount);
}
ECFSIM_ENTRY int Daruma_FI_FechaCupom(const char* form, const char* kind, const char* mode, const char* value,
                                      const char* paid, const char* message) {
  return c::close_receipt(kMake, form, kind, mode, value, paid, message);
}
ECFSIM_ENTRY int Daruma_FI_IdentificaConsumidor(const char* name, const char* address, const char* doc) {
  return c::identify_consumer(kMake, name, address, doc);
}
ECFSIM_ENTRY int Daruma_Registry_AplMensagem1(const char* text) { return c::app_message(kMake, 1, text); }
ECFSIM_ENTRY int Daruma_Registry_AplMensagem2(const char* text) { return c::app_message(kMake, 2, text); }
ECFSIM_ENTRY int Daruma_FI_LeituraX() { return c::x_reading(kMake); }
ECFSIM_ENTRY int Daruma_FI_LeituraXSerial() { return c::x_reading_to_file(kMake); }
ECFSIM_ENTRY int Daruma_FI_ReducaoZ(const char* date, const char* time) { return c::z_reduction(kMake, date, time); }

// Fiscal memory and MFD.
ECFSIM_ENTRY int Daruma_Registry_MFD_LeituraMFCompleta(const char* flag) { return c::complete_readings(kMake, flag); }
ECFSIM_ENTRY int Daruma_FI_LeituraMemoriaFiscalData(const char* from, const char* to) {
  return c::memory_by_date(kMake, from, to, false);
}
ECFSIM_ENTRY int Daruma_FI_LeituraMemoriaFiscalReducao(const char* from, const char* to) {
  return c::memory_by_reduction(kMake, from, to, false);
}
ECFSIM_ENTRY int Daruma_FI_LeituraMemoriaFiscalSerialData(const char* from, const char* to) {
  return c::memory_by_date(kMake, from, to, true);
}
ECFSIM_ENTRY int Daruma_FI_LeituraMemoriaFiscalSerialReducao(const char* from, const char* to) {
  return c::memory_by_reduction(kMake, from, to, true);
}
ECFSIM_ENTRY int Daruma_FIMFD_DownloadDaMFD(const char* from, const char* to) { return c::mfd_download(kMake, from, to); }
ECFSIM_ENTRY int Daruma_FIMFD_GerarAtoCotepePafData(const char* from, const char* to) {
  return c::cotepe_by_date(kMake, from, to, false);
}
ECFSIM_ENTRY int Daruma_FIMFD_GerarAtoCotepePafCOO(const char* from, const char* to) {
  return c::cotepe_by_coo(kMake, from, to);
}
ECFSIM_ENTRY int Daruma_FIMFD_GerarMFPAF_Data(const char* from, const char* to) {
  return c::memory_cotepe_by_date(kMake, from, to);
}

// Status and counters.
ECFSIM_ENTRY int Daruma_FI_VerificaEstadoImpressora(char* ack, char* st1, char* st2) {
  return c::status(kMake, ack, st1, st2);
}
ECFSIM_ENTRY int Daruma_FI_FlagsFiscais(char* flags) { return c::flags(kMake, flags); }
ECFSIM_ENTRY int Daruma_FI_RetornoAliquotas(char* table) { return c::rates(kMake, table); }
ECFSIM_ENTRY int Daruma_FI_DataHoraImpressora(char* date, char* time) { return c::clock(kMake, date, time); }
ECFSIM_ENTRY int Daruma_FI_NumeroSerie(char* serial) { return c::serial(kMake, serial); }
ECFSIM_ENTRY int Daruma_FI_GrandeTotal(char* total) { return c::grand_total(kMake, total); }
ECFSIM_ENTRY int Daruma_FI_VendaBruta(char* total) { return c::gross_sales(kMake, total); }
ECFSIM_ENTRY int Daruma_FI_NumeroCupom(char* number) { return c::coo(kMake, number); }
ECFSIM_ENTRY int Daruma_FIMFD_RetornaInformacao(const char* index, char* answer) {
  return c::by_index(kMake, index, answer);
}
ECFSIM_ENTRY int Daruma_FI_NumeroReducoes(char* number) { return c::reductions(kMake, number); }
ECFSIM_ENTRY int Daruma_FI_NumeroIntervencoes(char* number) { return c::interventions(kMake, number); }
ECFSIM_ENTRY int Daruma_FI_DadosUltimaReducao(char* data) { return c::last_z_data(kMake, data); }
ECFSIM_ENTRY int Daruma_FI_DataHoraReducao(char* date, char* time) { return c::last_z_time(kMake, date, time); }
ECFSIM_ENTRY int Daruma_FI_DataMovimento(char* date) { return c::last_z_movement(kMake, date); }
ECFSIM_ENTRY int Daruma_FI_VerificaTruncamento(char* flag) { return c::truncation(kMake, flag); }
ECFSIM_ENTRY int Daruma_FI_SimboloMoeda(char* symbol) { return c::currency(kMake, symbol); }

// Drawer, cash and non-fiscal documents.
ECFSIM_ENTRY int Daruma_FI_AcionaGaveta() { return c::open_drawer(kMake); }
ECFSIM_ENTRY int Daruma_FI_Sangria(const char* amount) { return c::withdrawal(kMake, amount); }
ECFSIM_ENTRY int Daruma_FI_Suprimento(const char* amount, const char* form) { return c::supply(kMake, amount, form); }
ECFSIM_ENTRY int Daruma_FI_RelatorioGerencial(const char* text) { return c::report_text(kMake, text); }
ECFSIM_ENTRY int Daruma_FI_FechaRelatorioGerencial() { return c::close_report(kMake); }
ECFSIM_ENTRY int Daruma_FI_AbreComprovanteNaoFiscalVinculado(const char* form, const char* amount, const char* coo) {
  return c::open_linked(kMake, form, amount, coo);
}
ECFSIM_ENTRY int Daruma_FI_UsaComprovanteNaoFiscalVinculado(const char* text) { return c::linked_text(kMake, text); }
ECFSIM_ENTRY int Daruma_FI_FechaComprovanteNaoFiscalVinculado() { return c::close_linked(kMake); }

// Settings. Daruma programs a form by its name alone; it may carry slips.
ECFSIM_ENTRY int Daruma_FI_ProgramaFormasPagamento(const char* name) { return c::program_form(kMake, name, "1"); }
ECFSIM_ENTRY int Daruma_FI_ProgramaAliquota(const char* rate, const char* iss) {
  return c::program_rate(kMake, rate, iss);
}
ECFSIM_ENTRY int Daruma_FI_ProgramaHorarioVerao() { return c::summer_time(kMake); }
ECFSIM_ENTRY int Daruma_FI_ProgramaArredondamento() { return c::rounding(kMake); }
ECFSIM_ENTRY int Daruma_FI_ProgramaTruncamento() { return c::truncating(kMake); }
