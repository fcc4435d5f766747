#include "app/text_file.h"

#include "content/codepage.h"

#include <QSaveFile>

namespace app {

bool writeTextFile(const QString& name, const QString& text)
{
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = content::toWindows1251(text);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace app
