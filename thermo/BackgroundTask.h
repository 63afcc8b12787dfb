// The background task for the windows' own long loops (a listing's rows):
// the hook the equation's searches call once per pass, so that events run
// between rows just as they do inside a search. It does nothing while no
// hook is installed.
#pragma once

namespace thermo {

void RunBackgroundTask();

}  // namespace thermo
