#include "settings/appearance_record.h"

#include "content/numbers.h"
#include "program/program.h"
#include "workbench/lesko_n.h"

namespace appearance {

forms::ListBox& record(app::Program& program) { return program.lesko_n().List_Un[Lesko_n::AppearanceRecordList]; }

qint32 wholeNumber(const forms::ListBox& record, int item)
{
    return content::roundToInt32(content::leadingNumber(record.List(item)));
}

forms::Colour colourAt(const forms::ListBox& record, ColourChoice k) { return wholeNumber(record, colourItem(k)); }

QString colourText(forms::Colour colour) { return QString::number(colour); }

QString fontSizeText(double points)
{
    QString text = QString::number(points, 'f', 4);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

double fontSize(const forms::ListBox& record) { return content::leadingNumber(record.List(FontSizeItem)); }

}  // namespace appearance
