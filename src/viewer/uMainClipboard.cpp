#include "viewer/uMain.h"

// Copy and paste of the picture on show.

void TForm1::Button9Click()
{
}

void TForm1::Button8Click()
{
}
