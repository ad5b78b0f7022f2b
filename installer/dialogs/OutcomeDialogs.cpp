#include "installer/dialogs/OutcomeDialogs.h"

#include "resources/installer/InstallerResources.h"

namespace tarv {
namespace installer {

namespace {

const ControlText InstalledTexts[] = {
    {IDC_INSTALLED_LINE1, StrInstalledLine1},
    {IDC_INSTALLED_LINE2, StrInstalledLine2},
    {IdOk, StrOk},
};
const ControlText RemovedTexts[] = {
    {IDC_REMOVED_LINE1, StrRemovedLine1},
    {IDC_REMOVED_LINE2, StrRemovedLine2},
    {IdOk, StrOk},
};

}  // namespace

OutcomeDialog::OutcomeDialog(InstallerSystem& system, Dialog& dialog, int titleString,
                             const ControlText* texts, unsigned count)
    : InstallerDialog(system, dialog, texts[0].control),
      titleString_(titleString),
      texts_(texts),
      count_(count)
{
}

void OutcomeDialog::SetTexts()
{
    SetDialogTexts(system_.strings, dialog_, titleString_, texts_, count_);
}

bool OutcomeDialog::OnInitDialog()
{
    LoadTexts();
    MoveToLastDialogPlace(dialog_);
    return true;
}

bool OutcomeDialog::OnCommand(int id)
{
    if (id != IdOk) return false;
    End(IdOk);
    return true;
}

bool OutcomeDialog::OnSysCommand(unsigned command)
{
    if (command != SystemClose) return false;
    End((int)SystemClose);
    return true;
}

InstalledDialog::InstalledDialog(InstallerSystem& system, Dialog& dialog)
    : OutcomeDialog(system, dialog, StrInstalledTitle, InstalledTexts,
                    sizeof InstalledTexts / sizeof InstalledTexts[0])
{
}

RemovedDialog::RemovedDialog(InstallerSystem& system, Dialog& dialog)
    : OutcomeDialog(system, dialog, StrRemovedTitle, RemovedTexts,
                    sizeof RemovedTexts / sizeof RemovedTexts[0])
{
}

}  // namespace installer
}  // namespace tarv
