#pragma once

#include "forms/form.h"

#include <QStringList>

namespace testing_support {

// Stands in for the view: keeps what a window announces, in order.
struct AnnouncementRecorder : forms::FormObserver {
    explicit AnnouncementRecorder(forms::Form& form) { form.setFormObserver(this); }
    void popupRequested(forms::Form&, forms::MenuItem&) override {}
    void announced(forms::Form&, const QString& message) override { messages << message; }
    QStringList messages;
};

}  // namespace testing_support
