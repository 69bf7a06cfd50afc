// The two pictures of the user guide: a car seen from the side and from above, with a
// dimension line for every measurement code at the place where it is taken.
#pragma once

#include <QImage>

namespace orv::guide {

// Side view, front to the left: A, B, C, D, F, G, WB, OL, OH.
QImage sideView();

// Top view, front to the left: OW, E, TF, TR, WB.
QImage topView();

}  // namespace orv::guide
