// Resource ids of the archive browser.
#pragma once
