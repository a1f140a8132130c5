#pragma once

// The zoom in force for the table and the windows opened from it, in percent of the size they are
// laid out at. Sizes given in twips and the table's font follow it, so a window is built at the
// zoom in force when it opens.
namespace zoom {

int percent();
// Kept within 50..400.
void setPercent(int percent);
// A length laid out at 100 %, at the zoom in force.
int scaled(int pixels);

}  // namespace zoom
