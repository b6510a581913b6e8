// Whether the program runs under Wine, whose controls some of the framework's drawing mends.
#pragma once

bool RunsUnderWine();
