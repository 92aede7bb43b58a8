// The learner's dialogs as a module the program opens at run time (see
// shell/learnerdialogs.h).

#include "shell/classroom.h"

extern "C" Q_DECL_EXPORT shell::LearnerDialogs *
pallado_make_learner_dialogs(const shell::WindowParts &parts)
{
    return new shell::Classroom(parts);
}

static_assert(std::is_same_v<decltype(&pallado_make_learner_dialogs), shell::LearnerDialogsMaker>);
