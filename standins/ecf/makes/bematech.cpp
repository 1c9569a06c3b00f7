// "Bemafi32.dll": the Bematech entries over the emulated printer.

#include "ecf/makes/abi.hpp"
#include "ecf/makes/classic.hpp"

using namespace zelto::ecfsim;
namespace c = zelto::ecfsim::classic;
constexpr Make kMake = Make::BE;

// Receipt and day.
ECFSIM_ENTRY int Bematech_FI_AbreCupom(const char* cpf) { return c::open_receipt(kMake, cpf); }
ECFSIM_ENTRY int Bematech_FI_VendeItemDepartamento(const char* code, const char* description, const char* tax,
                                                   const char* price, const char* quantity, const char* surcharge,
                                                   const char* discount, const char* department, const char* unit) {
  return c::sell(kMake, code, description, tax, price, quantity, surcharge, discount, department, unit);
}
ECFSIM_ENTRY int Bematech_FI_CancelaItemAnterior() { return c::cancel_last_item(kMake); }
ECFSIM_ENTRY int Bematech_FI_CancelaItemGenerico(const char* item) { return c::cancel_item(kMake, item); }
ECFSIM_ENTRY int Bematech_FI_CancelaCupom() { return c::cancel_receipt(kMake); }
ECFSIM_ENTRY int Bematech_FI_IniciaFechamentoCupom(const char* kind, const char* mode, const char* value) {
  return c::subtotal(kMake, kind, mode, value);
}
ECFSIM_ENTRY int Bematech_FI_EfetuaFormaPagamento(const char* form, const char* amount) {
  return c::pay(kMake, form, amount);
}
ECFSIM_ENTRY int Bematech_FI_FechaCupom(const char* form, const char* kind, const char* mode, const char* value,
                                        const char* paid, const char* message) {
  return c::close_receipt(kMake, form, kind, mode, value, paid, message);
}
ECFSIM_ENTRY int Bematech_FI_LeituraX() { return c::x_reading(kMake); }
ECFSIM_ENTRY int Bematech_FI_LeituraXSerial() { return c::x_reading_to_file(kMake); }
ECFSIM_ENTRY int Bematech_FI_ReducaoZ(const char* date, const char* time) { return c::z_reduction(kMake, date, time); }
ECFSIM_ENTRY int Bematech_FI_ResetaImpressora() { return c::reset(kMake); }

// Fiscal memory and MFD.
ECFSIM_ENTRY int Bematech_Registry_MFD_LeituraMFCompleta(const char* flag) { return c::complete_readings(kMake, flag); }
ECFSIM_ENTRY int Bematech_FI_LeituraMemoriaFiscalData(const char* from, const char* to) {
  return c::memory_by_date(kMake, from, to, false);
}
ECFSIM_ENTRY int Bematech_FI_LeituraMemoriaFiscalReducao(const char* from, const char* to) {
  return c::memory_by_reduction(kMake, from, to, false);
}
ECFSIM_ENTRY int Bematech_FI_LeituraMemoriaFiscalSerialData(const char* from, const char* to) {
  return c::memory_by_date(kMake, from, to, true);
}
ECFSIM_ENTRY int Bematech_FI_LeituraMemoriaFiscalSerialReducao(const char* from, const char* to) {
  return c::memory_by_reduction(kMake, from, to, true);
}
ECFSIM_ENTRY int Bematech_FI_DownloadMFD(const char* file, const char* kind, const char* from, const char* to,
                                         const char* user) {
  return c::bematech_mfd_download(file, kind, from, to, user);
}
ECFSIM_ENTRY int Bematech_FI_ArquivoMFD(const char* file, const char* from, const char* to, const char* kind,
                                        const char* /*user*/, int /*options*/, const char* /*private_key*/,
                                        const char* /*public_key*/, int /*signed_*/) {
  return c::bematech_cotepe(file, from, to, kind);
}
ECFSIM_ENTRY int Bematech_FIMFD_GerarAtoCotepePafCOO(const char* from, const char* to) {
  return c::cotepe_by_coo(kMake, from, to);
}

// Status and counters.
ECFSIM_ENTRY int Bematech_FI_VerificaEstadoImpressora(char* ack, char* st1, char* st2) {
  return c::status(kMake, ack, st1, st2);
}
ECFSIM_ENTRY int Bematech_FI_FlagsFiscais(char* flags) { return c::flags(kMake, flags); }
ECFSIM_ENTRY int Bematech_FI_RetornoAliquotas(char* table) { return c::rates(kMake, table); }
ECFSIM_ENTRY int Bematech_FI_DataHoraImpressora(char* date, char* time) { return c::clock(kMake, date, time); }
ECFSIM_ENTRY int Bematech_FI_NumeroSerie(char* serial) { return c::serial(kMake, serial); }
ECFSIM_ENTRY int Bematech_FI_NumeroCupom(char* number) { return c::coo(kMake, number); }
ECFSIM_ENTRY int Bematech_FIMFD_RetornaInformacao(const char* index, char* answer) {
  return c::by_index(kMake, index, answer);
}
ECFSIM_ENTRY int Bematech_FI_NumeroReducoes(char* number) { return c::reductions(kMake, number); }
ECFSIM_ENTRY int Bematech_FI_NumeroIntervencoes(char* number) { return c::interventions(kMake, number); }
ECFSIM_ENTRY int Bematech_FI_DadosUltimaReducao(char* data) { return c::last_z_data(kMake, data); }
ECFSIM_ENTRY int Bematech_FI_DataHoraReducao(char* date, char* time) { return c::last_z_time(kMake, date, time); }
ECFSIM_ENTRY int Bematech_FI_DataMovimento(char* date) { return c::last_z_movement(kMake, date); }
ECFSIM_ENTRY int Bematech_FI_VerificaTruncamento(char* flag) { return c::truncation(kMake, flag); }
ECFSIM_ENTRY int Bematech_FI_SimboloMoeda(char* symbol) { return c::currency(kMake, symbol); }

// Drawer, cash and non-fiscal documents.
ECFSIM_ENTRY int Bematech_FI_AcionaGaveta() { return c::open_drawer(kMake); }
ECFSIM_ENTRY int Bematech_FI_Sangria(const char* amount) { return c::withdrawal(kMake, amount); }
ECFSIM_ENTRY int Bematech_FI_Suprimento(const char* amount, const char* form) { return c::supply(kMake, amount, form); }
ECFSIM_ENTRY int Bematech_FI_RelatorioGerencial(const char* text) { return c::report_text(kMake, text); }
ECFSIM_ENTRY int Bematech_FI_FechaRelatorioGerencial() { return c::close_report(kMake); }
ECFSIM_ENTRY int Bematech_FI_AbreComprovanteNaoFiscalVinculado(const char* form, const char* amount, const char* coo) {
  return c::open_linked(kMake, form, amount, coo);
}
ECFSIM_ENTRY int Bematech_FI_UsaComprovanteNaoFiscalVinculado(const char* text) { return c::linked_text(kMake, text); }
ECFSIM_ENTRY int Bematech_FI_FechaComprovanteNaoFiscalVinculado() { return c::close_linked(kMake); }

// Settings.
ECFSIM_ENTRY int Bematech_FI_ProgramaFormaPagamentoMFD(const char* name, const char* linked) {
  return c::program_form(kMake, name, linked);
}
ECFSIM_ENTRY int Bematech_FI_ProgramaAliquota(const char* rate, const char* iss) {
  return c::program_rate(kMake, rate, iss);
}
ECFSIM_ENTRY int Bematech_FI_ProgramaHorarioVerao() { return c::summer_time(kMake); }
ECFSIM_ENTRY int Bematech_FI_ProgramaArredondamento() { return c::rounding(kMake); }
ECFSIM_ENTRY int Bematech_FI_ProgramaTruncamento() { return c::truncating(kMake); }
ECFSIM_ENTRY int Bematech_FI_AlteraSimboloMoeda(const char* symbol) { return c::set_currency(kMake, symbol); }
