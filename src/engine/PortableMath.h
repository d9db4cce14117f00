#pragma once

// e^x and e^x - 1 with the same bits in every build. The C libraries differ in the last bit
// of these now and then (the desktop's and the browser's do), and the speed histogram's
// picture is drawn from them; these are correctly rounded but for values within about 2^-90
// of a tie, which is what a careful library gives too, so the desktop's pictures stay as they
// were. Only the four basic operations, sqrt and exact scalings by powers of two are used, and
// those IEEE arithmetic fixes bit for bit.
double PortableExp(double x);
double PortableExpm1(double x);
