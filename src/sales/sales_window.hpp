#pragma once
// The sales window's own panels and buttons: the free banner, the items
// list of 19 rows, the totals, the current item, the receipt buttons with
// their caption, and the status line. The window itself is opened by the
// main frame, which also puts the function-key rows and the footer along
// its bottom; everything here stays above them.

#include <string>

#include "core/context.hpp"
#include "platform/screen/window.hpp"

namespace zelto::sales {

// Rows of the items list: the last lines of the receipt being sold.
inline constexpr int kListRows = 19;

inline constexpr const char* kFreeText = " C A I X A    L I V R E ";
inline constexpr const char* kOpeningText = " Abrindo Cupom Fiscal ";

// Panel and button names, for the states and for tests.
namespace names {
inline constexpr const char* kBanner = "caixa_livre";
inline constexpr const char* kListBox = "itens_quadro";
inline constexpr const char* kListHeading = "itens_cabecalho";
inline constexpr const char* kListRule = "itens_regua";
inline constexpr const char* kCountCaption = "itens_rotulo";
inline constexpr const char* kCount = "itens_quantidade";
inline constexpr const char* kSubtotalCaption = "subtotal_rotulo";
inline constexpr const char* kSubtotal = "subtotal";
inline constexpr const char* kItemDescription = "item_descricao";
inline constexpr const char* kItemPrice = "item_unitario";
inline constexpr const char* kItemTotal = "item_total";
inline constexpr const char* kF12Caption = "f12_legenda";
inline constexpr const char* kStatus = "status";
// The receipt buttons, by their key.
inline constexpr const char* kCashButton = "cupom_F3";
inline constexpr const char* kAnyFormButton = "cupom_F5";
inline constexpr const char* kCancelReceiptButton = "cupom_F6";
inline constexpr const char* kCancelItemButton = "cupom_F4";
inline constexpr const char* kItemTableButton = "cupom_F2";
inline constexpr const char* kLinesButton = "cupom_F12";
}  // namespace names

// The four cells of a row of the items list (row 1 to 19).
enum class Cell { Text, Quantity, Price, Total };
std::string cell_name(int row, Cell cell);

// The sales window the main frame opened; throws std::logic_error when
// there is none.
screen::Window& sales_window(core::Ctx& ctx);
screen::Window* find_sales_window(core::Ctx& ctx);

// Adds the panels and buttons above, hidden, unless the window has them.
// A receipt button does what its key does in the receipt state; the
// cancellation button and the caption only name their keys.
void build_sales_panels(core::Ctx& ctx, screen::Window& window);

// The entry row of the configuration in force, its inputs placed at the
// top of the window above the items list.
void place_entry_row(core::Ctx& ctx, screen::Window& window);

}  // namespace zelto::sales
