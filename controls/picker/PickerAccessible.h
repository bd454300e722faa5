#pragma once

namespace corvane::picker
{

// The picker as assistive technology sees it: the box PicCmb is a combo box named by its caption;
// the drop button's frame PictBtn, which holds the control's focus, is the button "打开日历",
// described by the caption and pressed as a click on the drop arrow is (keys Alt+Down and F4). The
// arrow bar inside it is not shown apart. Installs the interfaces of the parts (once per program).
void MakePartsAccessible();

} // namespace corvane::picker
