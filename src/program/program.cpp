#include "program/program.h"

#include "aux_windows/lesko_dis.h"
#include "aux_windows/lesko_glos.h"
#include "aux_windows/lesko_gra.h"
#include "aux_windows/lesko_ime.h"
#include "aux_windows/lesko_izp.h"
#include "aux_windows/lesko_prow.h"
#include "aux_windows/lesko_zad.h"
#include "checker/check_store.h"
#include "content/numbers.h"
#include "forms/members.h"
#include "main_window/lesko.h"
#include "results/attempt_log.h"
#include "settings/cwiat.h"
#include "workbench/lesko_n.h"

#include <QSysInfo>

namespace app {

Program::Program(Services services, const content::Lesson& lesson)
    : services_(services),
      lesson_(lesson),
      taskTexts_(std::make_unique<TaskTexts>()),
      glossaryTables_(std::make_unique<GlossaryTables>()),
      attemptLog_(std::make_unique<results::AttemptLog>(services.clock, QSysInfo::machineHostName())),
      checks_(std::make_unique<checker::CheckStore>())
{
    forms::nameMembers(awtori_, u"Awtori");
    unattached_.add(optionFlags_);
    unattached_.add(awtori_, 1);
    content::fillDesign(unattached_, lesson_, QStringLiteral("Lesko"));
    content::fillDesign(*taskTexts_, lesson_, QStringLiteral("Lesko_Zad"));
    content::fillDesign(*glossaryTables_, lesson_, QStringLiteral("Lesko_Glos"));
}

Program::~Program() = default;

template <typename W>
W& Program::touch(std::unique_ptr<W>& slot)
{
    if (!slot) {
        slot = std::make_unique<W>(*this);
        slot->discard = [this, form = slot.get()] { unload(*form); };
        content::fillDesign(*slot, lesson_, slot->name());
        if (observer_)
            observer_->formLoaded(*slot);
        slot->Form_Load();
    }
    return *slot;
}

Lesko& Program::lesko() { return touch(lesko_); }
Lesko_n& Program::lesko_n() { return touch(lesko_n_); }
Lesko_Glos& Program::lesko_Glos() { return touch(lesko_Glos_); }
Lesko_Zad& Program::lesko_Zad() { return touch(lesko_Zad_); }
Lesko_Dis& Program::lesko_Dis() { return touch(lesko_Dis_); }
Lesko_Gra& Program::lesko_Gra() { return touch(lesko_Gra_); }
Cwiat& Program::cwiat() { return touch(cwiat_); }
Lesko_Prow& Program::lesko_Prow() { return touch(lesko_Prow_); }
Lesko_Izp& Program::lesko_Izp() { return touch(lesko_Izp_); }
Lesko_Ime& Program::lesko_Ime() { return touch(lesko_Ime_); }

bool Program::isLoaded(const QString& windowName) const
{
    const forms::Form* forms[] = {lesko_.get(),     lesko_n_.get(),   lesko_Glos_.get(), lesko_Zad_.get(),
                                  lesko_Dis_.get(), lesko_Gra_.get(), cwiat_.get(),      lesko_Prow_.get(),
                                  lesko_Izp_.get(), lesko_Ime_.get()};
    for (const forms::Form* f : forms)
        if (f && f->name() == windowName)
            return true;
    return false;
}

void Program::unload(forms::Form& form)
{
    const auto take = [&](auto& slot) {
        if (slot.get() != &form)
            return false;
        slot->setVisible(false);
        if (observer_)
            observer_->formUnloaded(*slot);
        unloaded_.push_back(std::move(slot));
        return true;
    };
    take(lesko_n_) || take(lesko_Glos_) || take(lesko_Zad_) || take(lesko_Dis_) || take(lesko_Gra_) || take(cwiat_) ||
        take(lesko_Prow_) || take(lesko_Izp_) || take(lesko_Ime_) || take(lesko_);
}

void Program::releaseUnloaded() { unloaded_.clear(); }

void Program::start() { lesko().Show(); }

void Program::end()
{
    if (ended_)
        return;
    ended_ = true;
    services_.end.endProgram();
}

int Program::Option_Flag(content::Option option) const
{
    return content::flagValue(optionFlags_.List(content::number(option)));
}

const QString& Program::authorsText(int i) const
{
    static const QString none;
    return i >= 1 && i <= 3 ? awtori_[std::size_t(i)].Text() : none;
}

}  // namespace app
