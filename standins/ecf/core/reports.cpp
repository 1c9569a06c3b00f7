#include "ecf/core/reports.hpp"

namespace zelto::ecfsim {

std::string totaliser_label(const TotaliserKey& key, const std::vector<TaxRate>& rates) {
  if (key == "FF") return "F1 substituicao";
  if (key == "II") return "I1 isento";
  if (key == "NN") return "N1 nao incidencia";
  auto slot = parse_digits(key, 2).value_or(0);
  if (slot < 1 || static_cast<std::size_t>(slot) > rates.size()) return key;
  const TaxRate& r = rates[slot - 1];
  return std::string(r.iss ? "S" : "T") + key + " " + hundredths(r.hundredths) + "%";
}

void print_day_summary(Paper& p, const DaySummary& s) {
  const Totals& t = s.totals;
  p.centre("CONTADORES");
  p.left_right("COO: " + digits(s.coo, 6), "CCF: " + digits(s.ccf, 6));
  p.left_right("GNF: " + digits(s.gnf, 6), "GRG: " + digits(s.grg, 6));
  p.left_right("CDC: " + digits(s.cdc, 4), "CRZ: " + digits(s.crz, 4) + "  CRO: " + digits(s.cro, 3));
  p.centre("TOTALIZADORES");
  p.left_right("GT INICIAL", money(s.gt_start));
  p.left_right("GRANDE TOTAL", money(s.gt_end));
  p.left_right("VENDA BRUTA DIARIA", money(t.gross));
  p.left_right("CANCELAMENTOS", money(t.cancellations));
  p.left_right("DESCONTOS", money(t.discounts));
  p.left_right("ACRESCIMOS", money(t.surcharges));
  p.left_right("VENDA LIQUIDA", money(t.gross - t.cancellations - t.discounts));
  p.centre("TOTALIZADORES PARCIAIS");
  for (std::size_t k = 0; k < s.rates.size(); ++k) {
    TotaliserKey key = digits(static_cast<int>(k) + 1, 2);
    auto it = t.by_totaliser.find(key);
    p.left_right(totaliser_label(key, s.rates), money(it == t.by_totaliser.end() ? 0 : it->second));
  }
  for (const char* key : {"FF", "II", "NN"}) {
    auto it = t.by_totaliser.find(key);
    p.left_right(totaliser_label(key, s.rates), money(it == t.by_totaliser.end() ? 0 : it->second));
  }
  if (!t.by_form.empty()) {
    p.centre("MEIOS DE PAGAMENTO");
    for (const auto& [form, amount] : t.by_form) p.left_right(form, money(amount));
  }
  p.centre("NAO FISCAIS");
  p.left_right("SANGRIA", money(t.withdrawals));
  p.left_right("SUPRIMENTO", money(t.supplies));
  p.left_right("CUPONS FISCAIS: " + std::to_string(t.receipts), "CANCELADOS: " + std::to_string(t.cancelled_receipts));
}

std::vector<const ZRecord*> reductions_in(const FiscalMemory& m, bool by_date, const Date& from, const Date& to,
                                          int first, int last) {
  std::vector<const ZRecord*> out;
  for (const auto& z : m.zs) {
    bool in = by_date ? (z.movement >= from && z.movement <= to) : (z.crz >= first && z.crz <= last);
    if (in) out.push_back(&z);
  }
  return out;
}

void print_memory_reading(Paper& p, const FiscalMemory& m, const std::vector<const ZRecord*>& zs,
                          const std::string& period, bool complete) {
  p.centre(complete ? "LEITURA DA MEMORIA FISCAL COMPLETA" : "LEITURA DA MEMORIA FISCAL SIMPLIFICADA");
  p.line(period);
  p.left_right("FAB:", m.serial);
  p.rule();
  if (zs.empty()) {
    p.centre("SEM REDUCOES Z NO PERIODO");
    return;
  }
  Totals sum;
  for (const ZRecord* z : zs) {
    sum.gross += z->totals.gross;
    sum.cancellations += z->totals.cancellations;
    sum.discounts += z->totals.discounts;
    sum.surcharges += z->totals.surcharges;
    for (const auto& [k, v] : z->totals.by_totaliser) sum.by_totaliser[k] += v;
    if (!complete) continue;
    p.left_right("CRZ:" + digits(z->crz, 4) + " COO:" + digits(z->coo, 6) + " CRO:" + digits(z->cro, 3),
                 format_date(z->movement, DateForm::DD_MM_YYYY));
    p.left_right("  GT FINAL", money(z->gt_end));
    p.left_right("  VENDA BRUTA", money(z->totals.gross));
    p.left_right("  CANCELAMENTOS", money(z->totals.cancellations));
    p.left_right("  DESCONTOS", money(z->totals.discounts));
    for (const auto& [k, v] : z->totals.by_totaliser)
      if (v != 0) p.left_right("  " + totaliser_label(k, z->rates), money(v));
  }
  p.rule();
  p.left_right("REDUCOES: " + std::to_string(zs.size()),
               "CRZ " + digits(zs.front()->crz, 4) + " A " + digits(zs.back()->crz, 4));
  p.left_right("GT INICIAL", money(zs.front()->gt_start));
  p.left_right("GT FINAL", money(zs.back()->gt_end));
  p.left_right("VENDA BRUTA NO PERIODO", money(sum.gross));
  p.left_right("CANCELAMENTOS", money(sum.cancellations));
  p.left_right("DESCONTOS", money(sum.discounts));
  p.left_right("ACRESCIMOS", money(sum.surcharges));
  const auto& rates = zs.back()->rates;
  for (const auto& [k, v] : sum.by_totaliser) p.left_right(totaliser_label(k, rates), money(v));
}

std::string as_file(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) out += l + "\r\n";
  return out;
}

}  // namespace zelto::ecfsim
