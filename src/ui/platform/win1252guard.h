#pragma once
// Text boxes whose text reaches a file take only what Windows-1252 holds: a character
// outside it, typed or pasted, is not taken and the box turns red, as for any refused key.

class QLineEdit;

namespace orv {

void refuseOutsideWin1252(QLineEdit* box);

} // namespace orv
