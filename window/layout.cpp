#include "layout.h"

#include "twips.h"

#include <QtGlobal>

namespace {

struct ControlPlace
{
    const char16_t *name;
    int left, top, width, height; // twips
};

// In the order the controls stand from top to bottom of the window. The bars
// span the client area's width: their parts are placed inside at run time.
constexpr ControlPlace Places[] = {
    {u"Command1(0)", 240, 120, 1575, 285},  {u"Command2(1)", 360, 120, 1575, 285},
    {u"Label1(0)", 3000, 0, 5655, 375},     {u"Command1(1)", 9000, 120, 1575, 285},
    {u"Command2(2)", 9120, 120, 1575, 285}, {u"Text2(0)", 120, 480, 10635, 765},
    {u"Text2(1)", 120, 1320, 2500, 1005},   {u"Text2(2)", 2640, 1320, 2500, 1005},
    {u"Text2(3)", 5160, 1320, 2500, 1005},  {u"Text2(4)", 7680, 1320, 2500, 1005},
    {u"Text2(5)", 10320, 1320, 540, 1005},  {u"Frame1", 120, 2400, 10695, 495},
    {u"Option1(0)", 360, 120, 1800, 285},   {u"Option1(1)", 2760, 120, 1800, 285},
    {u"Option1(2)", 5280, 120, 1800, 285},  {u"Option1(3)", 7800, 120, 1800, 285},
    {u"Option1(4)", 9960, 120, 600, 285},   {u"Label1(4)", 240, 2880, 2055, 315},
    {u"Picture1", 2400, 2880, 6135, 200},   {u"Text2(6)", 120, 3120, 10635, 525},
    {u"Shape1", 0, 3700, 10905, 255},       {u"Shape2", 0, 4000, 10905, 255},
    {u"Command2(0)", 120, 4400, 1575, 285}, {u"Label1(2)", 1800, 4395, 3015, 285},
    {u"Label1(3)", 4920, 4395, 1815, 285},  {u"Label1(1)", 7560, 4395, 3135, 285},
    {u"Picture2", 120, 4800, 3375, 2055},   {u"Text1(0)", 3600, 4800, 7215, 2055},
    {u"Text1(1)", 4200, 6360, 6735, 1815},
};

constexpr int ClientWidth = 10905;
constexpr int ClientHeight = 6945;

} // namespace

QRect placeOf(QStringView controlName)
{
    for (const ControlPlace &place : Places) {
        if (controlName == place.name)
            return twipsRect(place.left, place.top, place.width, place.height);
    }
    qFatal("no place for the control %s", qPrintable(controlName.toString()));
}

QSize clientSize()
{
    return {toPixels(ClientWidth), toPixels(ClientHeight)};
}

QFont windowFont()
{
    return QFont(QStringLiteral("Times New Roman"), 12);
}
