#include "app/StudentJournal.h"
