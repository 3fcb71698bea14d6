#include "viewer/uMain.h"

#include "scanner/uScan.h"

// The scan run: the main window's pop-up menu and timer.

void TForm1::N6Click()
{
}

void TForm1::N5aaClick()
{
}

void TForm1::N4Click()
{
    ShowModal(windows_.scan);
}

void TForm1::Timer1Timer()
{
}

bool TForm1::ScanMayContinue() const
{
    return false;
}
