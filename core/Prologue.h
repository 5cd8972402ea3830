// From the start screen to the campus: the prologue of a new afternoon, or one line on resuming.
#pragma once

void BeginAfternoon(bool resume);
