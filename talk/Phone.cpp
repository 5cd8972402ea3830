#include "talk/Phone.h"

void PhoneCall() {}
