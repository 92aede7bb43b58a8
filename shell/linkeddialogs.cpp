// Linked into every program that links the learner's dialogs in (the tests,
// the screenshot tool, the benchmarks): their main window makes the dialogs
// from here and opens no module.

#include "shell/classroom.h"

namespace {

shell::LearnerDialogs *makeLinked(const shell::WindowParts &parts)
{
    return new shell::Classroom(parts);
}

[[maybe_unused]] const bool linked = (shell::setLinkedLearnerDialogs(&makeLinked), true);

} // namespace
