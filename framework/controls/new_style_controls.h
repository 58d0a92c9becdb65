#pragma once

namespace framework {

// Whether controls take the newer look: a sunken client edge instead of a plain border, tool
// windows for popups, flat combo arrows. The desktop has it; a test may switch it off to see the
// older look.
inline bool NewStyleControls = true;

}  // namespace framework
