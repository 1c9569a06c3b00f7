// "ConvEcf.dll": the Sweda entries over the emulated printer.

#include "ecf/makes/abi.hpp"
#include "ecf/makes/classic.hpp"

using namespace zelto::ecfsim;
namespace c = zelto::ecfsim::classic;
constexpr Make kMake = Make::SW;

// Receipt and day.
ECFSIM_ENTRY int ECF_AbreCupom(const char* cpf) { return c::open_receipt(kMake, cpf); }
ECFSIM_ENTRY int ECF_VendeItemDepartamento(const char* code, const char* description, const char* tax,
                                           const char* price, const char* quantity, const char* surcharge,
                                           const char* discount, const char* department, const char* unit) {
  return c::sell(kMake, code, description, tax, price, quantity, surcharge, discount, department, unit);
}
ECFSIM_ENTRY int ECF_CancelaItemAnterior() { return c::cancel_last_item(kMake); }
ECFSIM_ENTRY int ECF_CancelaItemGenerico(const char* item) { return c::cancel_item(kMake, item); }
ECFSIM_ENTRY int ECF_CancelaCupom() { return c::cancel_receipt(kMake); }
ECFSIM_ENTRY int ECF_IniciaFechamentoCupom(const char* kind, const char* mode, const char* value) {
  return c::subtotal(kMake, kind, mode, value);
}
ECFSIM_ENTRY int ECF_EfetuaFormaPagamento(const char* form, const char* amount) { return c::pay(kMake, form, amount); }
ECFSIM_ENTRY int ECF_FechaCupom(const char* form, const char* kind, const char* mode, const char* value,
                                const char* paid, const char* message) {
  return c::close_receipt(kMake, form, kind, mode, value, paid, message);
}
ECFSIM_ENTRY int ECF_FI_IdentificaConsumidor(const char* name, const char* address, const char* doc) {
  return c::identify_consumer(kMake, name, address, doc);
}
ECFSIM_ENTRY int ECF_LeituraX() { return c::x_reading(kMake); }
ECFSIM_ENTRY int ECF_FI_LeituraXSerial() { return c::x_reading_to_file(kMake); }
ECFSIM_ENTRY int ECF_ReducaoZ(const char* date, const char* time) { return c::z_reduction(kMake, date, time); }
ECFSIM_ENTRY int ECF_ResetaImpressora() { return c::reset(kMake); }

// Fiscal memory and MFD.
ECFSIM_ENTRY int ECF_Registry_MFD_LeituraMFCompleta(const char* flag) { return c::complete_readings(kMake, flag); }
ECFSIM_ENTRY int ECF_LeituraMemoriaFiscalData(const char* from, const char* to) {
  return c::memory_by_date(kMake, from, to, false);
}
ECFSIM_ENTRY int ECF_LeituraMemoriaFiscalReducao(const char* from, const char* to) {
  return c::memory_by_reduction(kMake, from, to, false);
}
ECFSIM_ENTRY int ECF_LeituraMemoriaFiscalSerialData(const char* from, const char* to) {
  return c::memory_by_date(kMake, from, to, true);
}
ECFSIM_ENTRY int ECF_LeituraMemoriaFiscalSerialReducao(const char* from, const char* to) {
  return c::memory_by_reduction(kMake, from, to, true);
}
ECFSIM_ENTRY int ECF_FIMFD_DownloadDaMFD(const char* from, const char* to) { return c::mfd_download(kMake, from, to); }
ECFSIM_ENTRY int ECF_FIMFD_GerarAtoCotepePafData(const char* from, const char* to) {
  return c::cotepe_by_date(kMake, from, to, true);
}
ECFSIM_ENTRY int ECF_FIMFD_GerarAtoCotepePafCOO(const char* from, const char* to) {
  return c::cotepe_by_coo(kMake, from, to);
}

// Status and counters.
ECFSIM_ENTRY int ECF_VerificaEstadoImpressora(char* ack, char* st1, char* st2) {
  return c::status(kMake, ack, st1, st2);
}
ECFSIM_ENTRY int ECF_FlagsFiscais(char* flags) { return c::flags(kMake, flags); }
ECFSIM_ENTRY int ECF_RetornoAliquotas(char* table) { return c::rates(kMake, table); }
ECFSIM_ENTRY int ECF_DataHoraImpressora(char* date, char* time) { return c::clock(kMake, date, time); }
ECFSIM_ENTRY int ECF_NumeroSerie(char* serial) { return c::serial(kMake, serial); }
ECFSIM_ENTRY int ECF_FI_GrandeTotal(char* total) { return c::grand_total(kMake, total); }
ECFSIM_ENTRY int ECF_FI_VendaBruta(char* total) { return c::gross_sales(kMake, total); }
ECFSIM_ENTRY int ECF_NumeroCupom(char* number) { return c::coo(kMake, number); }
ECFSIM_ENTRY int ECF_FIMFD_RetornaInformacao(const char* index, char* answer) {
  return c::by_index(kMake, index, answer);
}
ECFSIM_ENTRY int ECF_NumeroReducoes(char* number) { return c::reductions(kMake, number); }
ECFSIM_ENTRY int ECF_DadosUltimaReducao(char* data) { return c::last_z_data(kMake, data); }
ECFSIM_ENTRY int ECF_DataHoraReducao(char* date, char* time) { return c::last_z_time(kMake, date, time); }
ECFSIM_ENTRY int ECF_DataMovimento(char* date) { return c::last_z_movement(kMake, date); }
ECFSIM_ENTRY int ECF_VerificaTruncamento(char* flag) { return c::truncation(kMake, flag); }
ECFSIM_ENTRY int ECF_SimboloMoeda(char* symbol) { return c::currency(kMake, symbol); }

// Drawer, cash and non-fiscal documents.
ECFSIM_ENTRY int ECF_AcionaGaveta() { return c::open_drawer(kMake); }
ECFSIM_ENTRY int ECF_Sangria(const char* amount) { return c::withdrawal(kMake, amount); }
ECFSIM_ENTRY int ECF_Suprimento(const char* amount, const char* form) { return c::supply(kMake, amount, form); }
ECFSIM_ENTRY int ECF_RelatorioGerencial(const char* text) { return c::report_text(kMake, text); }
ECFSIM_ENTRY int ECF_FechaRelatorioGerencial() { return c::close_report(kMake); }
ECFSIM_ENTRY int ECF_AbreComprovanteNaoFiscalVinculado(const char* form, const char* amount, const char* coo) {
  return c::open_linked(kMake, form, amount, coo);
}
ECFSIM_ENTRY int ECF_UsaComprovanteNaoFiscalVinculado(const char* text) { return c::linked_text(kMake, text); }
ECFSIM_ENTRY int ECF_FechaComprovanteNaoFiscalVinculado() { return c::close_linked(kMake); }

// Settings.
ECFSIM_ENTRY int ECF_ProgramaFormaPagamentoMFD(const char* name, const char* linked) {
  return c::program_form(kMake, name, linked);
}
ECFSIM_ENTRY int ECF_ProgramaAliquota(const char* rate, const char* iss) { return c::program_rate(kMake, rate, iss); }
ECFSIM_ENTRY int ECF_ProgramaHorarioVerao() { return c::summer_time(kMake); }
ECFSIM_ENTRY int ECF_ProgramaArredondamento() { return c::rounding(kMake); }
ECFSIM_ENTRY int ECF_ProgramaTruncamento() { return c::truncating(kMake); }
ECFSIM_ENTRY int ECF_AlteraSimboloMoeda(const char* symbol) { return c::set_currency(kMake, symbol); }
