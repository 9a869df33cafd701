// The menu items that open the help and about windows.

#include "form1.h"

void Form1::about_Click() {}

void Form1::aide_Click() {}
