#include "ui/headless/HeadlessModalRunner.h"

namespace tarv {

int HeadlessModalRunner::Run(int templateId, DialogLogic& logic)
{
    templatesRun.push_back(templateId);
    window.Reset();
    running = &logic;
    logic.OnInitDialog();
    if (!window.ended && script) script(templateId, window);
    running = nullptr;
    return window.ended ? window.endResult : DialogNotCreated;
}

}  // namespace tarv
