// The friend's calls during long walks.
#pragma once

// Called on the first tick of a three-minute walk.
void PhoneCall();
