#pragma once

#include "data/RandomRecord.h"
#include "engines/SentencePattern.h"

class Random;

// The words of sentence patterns, drawn from the list tables: a verb in the frame its place asks
// for, by the verb table's frame field ("object", "none" or "both"), and a noun that can be
// counted where one must be, by the noun table's countability field ("count", "mass" or "both").
// An empty field counts as both.
namespace SentenceWords {
// The words that fit the request: verbs of its frame or both, nouns that count or both. No
// filter when the request asks for any word of its table.
RandomRecord::Filter filterOf(const SentencePattern::WordRequest& request);
// Draws the words as getRandomRecordFrom does, with the generator given (which must outlive it).
SentencePattern::WordSource from(Random& random);
} // namespace SentenceWords
