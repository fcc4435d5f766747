#include "settings/cwiat.h"

Cwiat::Cwiat(app::Program& program) : Form(QStringLiteral("Cwiat")), program_(program)
{
    setCaption(QStringLiteral("Формиране на цвят/избор на шрифт"));
    setSize(5535, 4710);
}
