// The fonts of the toolkit's styles.
//
// The toolkit asks for fonts by point size with any resolution, and the X
// server hands out the first match on its font path: 12 points are 12
// pixels from the 75 dpi fonts but 17 from the 100 dpi ones, which come
// first on many servers.  The forms are laid out in pixels, so every font
// here is pinned to the 75 dpi design, where points are pixels: the window
// looks the same whichever set comes first, and a server with only the
// 100 dpi fonts scales them to the same sizes.
#include "gui/schriften.h"

#include "gui/xforms.h"

void SchriftenEinrichten() {
    // Labels, inputs and choices: Helvetica at 14 pixels whatever size an
    // object asks for (the forms were drawn for it).
    const char* const normal = "-*-helvetica-medium-r-normal--14-140-75-75-p-*-iso8859-1";
    fl_set_font_name(FL_NORMAL_STYLE, normal);
    fl_set_font_name(16, normal);
    // The other styles follow the object's size ("?" is the size in points).
    struct {
        int stil;
        const char* name;
    } const stile[] = {
        {FL_BOLD_STYLE, "-*-helvetica-bold-r-normal--*-?-75-75-p-*-iso8859-1"},
        {FL_ITALIC_STYLE, "-*-helvetica-medium-o-normal--*-?-75-75-p-*-iso8859-1"},
        {FL_BOLDITALIC_STYLE, "-*-helvetica-bold-o-normal--*-?-75-75-p-*-iso8859-1"},
        {FL_FIXED_STYLE, "-*-courier-medium-r-normal--*-?-75-75-m-*-iso8859-1"},
        {FL_FIXEDBOLD_STYLE, "-*-courier-bold-r-normal--*-?-75-75-m-*-iso8859-1"},
        {FL_FIXEDITALIC_STYLE, "-*-courier-medium-o-normal--*-?-75-75-m-*-iso8859-1"},
        {FL_FIXEDBOLDITALIC_STYLE, "-*-courier-bold-o-normal--*-?-75-75-m-*-iso8859-1"},
        {FL_TIMES_STYLE, "-*-times-medium-r-normal--*-?-75-75-p-*-iso8859-1"},
        {FL_TIMESBOLD_STYLE, "-*-times-bold-r-normal--*-?-75-75-p-*-iso8859-1"},
        {FL_TIMESITALIC_STYLE, "-*-times-medium-i-normal--*-?-75-75-p-*-iso8859-1"},
        {FL_TIMESBOLDITALIC_STYLE, "-*-times-bold-i-normal--*-?-75-75-p-*-iso8859-1"},
        // The program's own: tables and tooltips, the file selector.
        {17, "-*-lucidatypewriter-medium-r-normal-*-*-140-75-75-m-*-iso8859-1"},
        {18, "-*-lucidatypewriter-medium-r-normal-*-*-120-75-75-m-*-iso8859-1"},
        {19, "-*-helvetica-medium-r-normal--*-160-75-75-p-*-iso8859-1"},
    };
    for (const auto& s : stile) fl_set_font_name(s.stil, s.name);
    fl_set_fselector_fontstyle(19);
    // Pop-up menus read like the menu bar.
    fl_setpup_default_fontstyle(FL_NORMAL_STYLE);
    fl_setpup_default_fontsize(FL_NORMAL_SIZE);
}
