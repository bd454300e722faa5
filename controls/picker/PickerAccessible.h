#pragma once

namespace corvane::picker
{

// The picker as assistive technology sees it: the box PicCmb is a combo box named by its caption;
// the drop button PictBtn, which holds the control's focus, is the button "打开日历", described by
// the caption and pressed as a click on its arrow is (keys Alt+Down and F4); it is not read as a
// scroll bar. Installs the interfaces of the parts (once per program).
void MakePartsAccessible();

} // namespace corvane::picker
