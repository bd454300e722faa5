#include "ModWinLong.h"

namespace corvane::ModWinLong
{

void SetDropWinStyle(ui::Hwnd hWnd, bool transient)
{
    ui::SetWindowLongA(hWnd, ui::GWL_STYLE, std::int32_t(transient ? kTransientStyle : kPopupStyle));
}

} // namespace corvane::ModWinLong
