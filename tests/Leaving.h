// Where the game would end the process, tests, tools and fuzzers leave it instead: their end hook
// throws this, and they catch it where the game has ended.
#pragma once
struct ProcessEnded {};
