#include "WindowSet.h"

#include "MicrApplication.h"
#include "forms/Micr.h"


void CreateWindowSet(MicrApplication &application)
{
    Form1 = application.Adopt(std::make_unique<TForm1>());
    // Connect, Form2, Form3 and Form4 follow here, in that order.
}
