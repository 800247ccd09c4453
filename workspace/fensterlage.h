// Where the tool windows go on the first start: side by side instead of
// one on the other.
#pragma once

#include <vector>

struct Fenstermass {
    int B = 0, H = 0;
};
struct Fensterort {
    int X = 0, Y = 0;
};

// Lays windows of these sizes in a row from (x0, y0), `abstand` pixels
// apart.  A window that would leave the screen on the right starts a new row
// under the tallest window of the row before; a window taller than the room
// below its row moves up until it ends on the screen (never above 0).
std::vector<Fensterort> NebeneinanderLegen(const std::vector<Fenstermass>& fenster, int x0, int y0, int abstand,
                                           int bildschirmB, int bildschirmH);
