#pragma once

#include "data/RandomRecord.h"
#include "engines/SentencePattern.h"

class Random;

// The words of sentence patterns, drawn from the list tables: a verb in the frame its place asks
// for, by the verb table's frame field ("object", "none" or "both"; an empty one counts as both).
namespace SentenceWords {
// The verbs of the frame: those that have it or both. No filter for any frame.
RandomRecord::Filter verbsOf(VerbFrame frame);
// Draws the words as getRandomRecordFrom does, with the generator given (which must outlive it).
SentencePattern::WordSource from(Random& random);
} // namespace SentenceWords
