// The toolkit's fonts, the same on every X server.
#pragma once

// Names the fonts of the toolkit's styles.  Called right after the toolkit
// starts, before anything is drawn.
void SchriftenEinrichten();
