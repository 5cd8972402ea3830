// The destination buttons follow the mode and the place.
#pragma once

// Enables the buttons of the places next to Location when free; disables all while walking,
// talking or after the gate; leaves them alone during a phone call.
void RefreshChoices();
