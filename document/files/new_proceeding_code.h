// The procedure code of a new proceeding from the wizard's choice of act, procedure mode and
// variant (the value band).
#pragma once

// -1 for a mode the act does not offer.
int NewProceedingCode(bool act2019, int kindIndex, int variant);
