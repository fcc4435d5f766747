#include "program/messages.h"

#include <QStringList>

namespace app {

const QString MessageTitle = QStringLiteral("Електронен урок");

namespace {

Message lines(std::initializer_list<QString> parts, int flags)
{
    return {QStringList(parts).join(QStringLiteral("\r\n")), flags};
}

constexpr int StopOk = box::Stop | box::SecondButtonDefault;     // 272
constexpr int Question = box::YesNo | box::SecondButtonDefault;  // 260

Message notSaved(quint8 code, const QString& what, const QString& file)
{
    return lines({QString::number(code), what, QStringLiteral("Файлът трябваше да бъде:"), file,
                  QStringLiteral("Проверете дали папката на урока позволява запис и дали на диска има място.")},
                 StopOk);
}

}  // namespace

Message mainWindowMessage(quint8 code, const QString& detail)
{
    switch (code) {
        case 1:
            return lines({QStringLiteral("1"), QStringLiteral("Липсва съответстващ конфигурационен файл  "),
                          QStringLiteral("Моля, копирайте изпълнимия и коректния конфигурационен файл"),
                          QStringLiteral("в основната директория на урока ")},
                         StopOk);
        case 2:
            return lines({QStringLiteral("Желаете ли изход от урока?")}, Question);
        case 3:
            return lines(
                {QStringLiteral("3"), QStringLiteral("Използваният конфигурационния файл е некоректен!"),
                 QStringLiteral("Кодът на несъответствие е: "), QStringLiteral("Моля, минете през режим Настройка.")},
                StopOk);
        case 6:
            return lines({QStringLiteral("Моля, бъдете търпеливи до завършване на "),
                          QStringLiteral("записа от въведените отговори!"),
                          QStringLiteral("Щракнете клавиша Ok за начало на процеса")},
                         box::Stop);
        case 8:
            return lines({QStringLiteral("Да премина ли към следващия въпрос?")}, Question);
        case 27:
            return lines({QStringLiteral("27"), QStringLiteral("Нужно е да аргументирате отговора си като напишете"),
                          QStringLiteral("в текстовото поле кратък текст за обяснение."),
                          QStringLiteral("Липсата на доводи ще намали оценката Ви!")},
                         box::SecondButtonDefault);
        case message_code::RecordFailed:
            return notSaved(code, QStringLiteral("Записът с отговорите не можа да бъде запазен."), detail);
        case message_code::AttemptLogFailed:
            return notSaved(code, QStringLiteral("Дневникът на опитите по задачите не можа да бъде запазен."), detail);
        case message_code::AnswersKept:
            return lines({QString::number(code), detail, QStringLiteral("Да бъдат ли върнати в задачите?"),
                          QStringLiteral("(При „Не“ файлът с тях остава в папката за учителя.)")},
                         box::YesNo);
        case message_code::HandInUnusable:
            return lines({QString::number(code), QStringLiteral("Папката за предаване не може да бъде използвана:"),
                          detail, QStringLiteral("Урокът продължава; работата се пази в папката на урока.")},
                         StopOk);
        case message_code::ResultsNotSaved:
            return lines({QString::number(code), QStringLiteral("Резултатите не са записани във файла:"), detail,
                          QStringLiteral("Файлът, който е бил там, е непроменен.")},
                         StopOk);
        case message_code::ClassSettingsUnusable:
            return lines({QString::number(code), QStringLiteral("Настройките на класа не могат да бъдат прочетени:"),
                          detail, QStringLiteral("Урокът продължава без тях.")},
                         StopOk);
        case message_code::SharedConfigurationBinding:
            return lines(
                {QString::number(code), QStringLiteral("На този компютър настройките на урока са общи и задължителни:"),
                 detail, QStringLiteral("Конфигурационният файл в папката на урока не се чете.")},
                box::OkOnly);
        case message_code::ReadOnlyFolder:
            return lines({QString::number(code), QStringLiteral("Папката на урока е само за четене:"), detail,
                          QStringLiteral("Урокът работи, но „Запис“, записът с отговорите и дневникът на опитите "
                                         "са изключени.")},
                         box::OkOnly);
        default:
            return {};
    }
}

Message workbenchMessage(quint8 code, const QString& detail)
{
    switch (code) {
        case 2:
            return lines({QStringLiteral("Да премина ли към друга задача?")}, Question);
        case 3:
            return lines(
                {QStringLiteral("Задачата е с повишена трудност! "), QStringLiteral("Смятате ли, че ще се справите?")},
                Question);
        case message_code::SaveFailed:
            return notSaved(code, QStringLiteral("Работата Ви не е записана."), detail);
        case message_code::AuthorSolutionNotSaved:
            return lines({QString::number(code), QStringLiteral("Решението на автора не е показано за тази задача."),
                          QStringLiteral("Файлът пази Вашия отговор и не е заменен:"), detail},
                         box::OkOnly);
        default:
            return {};
    }
}

QString showMessage(MessageService& messages, const Message& message)
{
    return messages.show(message.text, message.flags, MessageTitle) ? QStringLiteral("Yes") : QStringLiteral("No");
}

}  // namespace app
