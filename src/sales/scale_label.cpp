#include "sales/scale_label.hpp"

#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::sales {

using core::Decimal;
using runtime::substr;

namespace {

long position(const Decimal& setting) { return static_cast<long>(setting.to_int()); }

}  // namespace

std::optional<ScaleLabel> read_scale_label(const core::Globals& g, const Decimal& code) {
  if (g.W__CODBAR_BALANCA != "S" || code.sign() <= 0) return std::nullopt;
  const std::string label = runtime::strzero(code, 13);
  if (label.size() != 13 || label.find('*') != std::string::npos) return std::nullopt;
  if (!runtime::prefix_equal(label, runtime::left(g.W_PRI_BALANCA, 1))) return std::nullopt;
  if (g.W_CUL_BALANCA == "S" && !runtime::prefix_equal(label.substr(12), runtime::left(g.W_ULT_BALANCA, 1)))
    return std::nullopt;
  const std::string weight = substr(label, position(g.W_IPE_BALANCA), position(g.W_FPE_BALANCA));
  const Decimal item = runtime::val(substr(label, position(g.W_IQU_BALANCA), position(g.W_FQU_BALANCA)));
  if (item.sign() <= 0 || runtime::val(weight).sign() <= 0) return std::nullopt;
  const std::string whole = substr(weight, position(g.W_IPEQUANT), position(g.W_FPEQUANT));
  const std::string decimals = substr(weight, position(g.W_IP2QUANT), position(g.W_FP2QUANT));
  return ScaleLabel{item.to_int(), runtime::val(whole + "." + decimals)};
}

}  // namespace zelto::sales
