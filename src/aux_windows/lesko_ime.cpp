#include "aux_windows/lesko_ime.h"

#include "forms/members.h"
#include "main_window/lesko.h"
#include "program/program.h"
#include "results/attempt_log.h"

namespace {

const QString Refused = QStringLiteral("Напишете името и фамилията си: без тях задачите не се отварят.");

// Runs of blanks become one; line breaks are no part of a name.
QString cleaned(const QString& text, int maxLength) { return text.simplified().left(maxLength).trimmed(); }

}  // namespace

Lesko_Ime::Lesko_Ime(app::Program& program) : Form(QStringLiteral("Lesko_Ime")), program_(program)
{
    setCaption(QStringLiteral("Ученик"));
    setSize(6240, 3000);
    forms::nameMembers(Label_Im, u"Label_Im");
    forms::nameMembers(Text_Im, u"Text_Im");
    forms::place(Label_Im[NameCaption], {240, 200, 5760, 300});
    forms::place(Text_Im[NameBox], {240, 520, 5760, 380});
    forms::place(Label_Im[ClassCaption], {240, 1040, 2400, 300});
    forms::place(Text_Im[ClassBox], {240, 1360, 2400, 380});
    forms::place(Label_Im[ProblemLine], {240, 1880, 5760, 480});
    forms::place(Komanda_Im, {4200, 2400, 1800, 420});

    Label_Im[NameCaption].setCaption(QStringLiteral("Име и фамилия"));
    Label_Im[ClassCaption].setCaption(QStringLiteral("Клас"));
    Text_Im[NameBox].setToolTipText(QStringLiteral(" Вашите име и фамилия, например Мария Иванова "));
    Text_Im[ClassBox].setToolTipText(QStringLiteral(" Вашият клас, например 8 б "));
    Label_Im[ProblemLine].setForeColor(forms::rgb(192, 0, 0));
    Komanda_Im.setCaption(QStringLiteral("Към задачите"));
    Komanda_Im.setToolTipText(QStringLiteral(" Отваря задачите с това име "));
    for (forms::Control* c : std::initializer_list<forms::Control*>{&Label_Im[0], &Label_Im[1], &Label_Im[2],
                                                                    &Text_Im[0], &Text_Im[1], &Komanda_Im})
        c->setFontSize(11);

    for (int i : {NameBox, ClassBox}) {
        Text_Im[i].singleLine = true;
        Text_Im[i].onEnter = [this, i] { Text_Im_Enter(i); };
    }
    Komanda_Im.onClick = [this] { Komanda_Im_Click(); };
    add(Label_Im);
    add(Text_Im);
    add(Komanda_Im);
}

void Lesko_Ime::Text_Im_Enter(int index)
{
    if (index == NameBox)
        Text_Im[ClassBox].setCursorLine(1);
    else
        Komanda_Im_Click();
}

void Lesko_Ime::Komanda_Im_Click()
{
    const QString name = cleaned(Text_Im[NameBox].Text(), MaxNameLength);
    if (name.isEmpty()) {
        Label_Im[ProblemLine].setCaption(Refused);
        announce(Refused);
        Text_Im[NameBox].setCursorLine(1);
        return;
    }
    program_.attemptLog().setStudent({name, cleaned(Text_Im[ClassBox].Text(), MaxClassLength)});
    program_.unload(*this);
    program_.lesko().mnu_Wyprosi_Click();
}
