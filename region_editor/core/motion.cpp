#include "region_editor/core/motion.h"

namespace plevo {

int nextCreditsTop(int top)
{
    return top == kCreditsLastTop ? kCreditsRestartTop : top - kCreditsStep;
}

} // namespace plevo
