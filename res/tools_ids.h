// Resource ids of the backup manager and the finder.
#pragma once
