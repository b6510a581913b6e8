// Resource ids of the value editors of the proceeding's variables.
#pragma once
