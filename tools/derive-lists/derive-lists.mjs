#!/usr/bin/env node
// Derives Quillane's word, name, country and language lists from public data.
//
//   node tools/derive-lists/derive-lists.mjs [RAW_DIR] [--review DIR]
//
// RAW_DIR (default /tmp/wl) holds the unpacked packages, fetched as README.md beside this file
// shows. The script writes data/tables/{adjective,adverb}.txt, data/tables/noun.tsv (each noun
// with its countability), data/tables/verb.tsv (each verb with its frame),
// data/tables/{maleName,femaleName,surnames,country,languages}.tsv (each value with its culture,
// from cultures.txt) and tests/fixtures/blocklist.txt. With --review it also writes, for a person
// to read, every candidate with the figures it was ranked by and the reason it was dropped, and
// the number of names, countries and languages of each culture.
// It needs nothing but Node (18 or later); the same inputs always give the same files.

import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const repo = path.resolve(here, '..', '..');
const args = process.argv.slice(2);
let reviewDir = null;
const positional = [];
for (let i = 0; i < args.length; ++i) {
    if (args[i] === '--review') reviewDir = args[++i];
    else positional.push(args[i]);
}
const raw = path.resolve(positional[0] ?? '/tmp/wl');

const src = {
    wordnet: `${raw}/wordnet-base/usr/share/wordnet`,
    scowl: `${raw}/scowl/usr/share/dict/scowl`,
    census: `${raw}/libtext-names-perl/usr/share/perl5/Text/Names.pm`,
    isoCodes: `${raw}/iso-codes/usr/share/iso-codes/json`,
    faker: `${raw}/faker-js-faker-10.6.0/package/dist/index.js`,
    humanNames: `${raw}/human-names-1.0.13/package/data`,
    badWords: `${raw}/bad-words-4.1.5/package/dist/lang.js`,
    naughtyWords: `${raw}/naughty-words-1.2.0/package/en.json`,
    irregular: `${raw}/english-verbs-irregular-3.4.0/package/dist/verbs.json`,
};
for (const [name, file] of Object.entries(src)) {
    if (!fs.existsSync(file)) {
        console.error(`missing ${name}: ${file}\nFetch the raw data first (see README.md).`);
        process.exit(1);
    }
}

const readText = (file) => fs.readFileSync(file, 'utf8');
const readJson = (file) => JSON.parse(readText(file));

// ---------------------------------------------------------------------------------------------
// Ordering and output

// Case-insensitive order that keeps accented letters beside their base letter; ties fall back
// to plain code-point order so the result never depends on the input order.
const collator = new Intl.Collator('en', { sensitivity: 'base' });
function compareText(a, b) {
    return collator.compare(a, b) || (a < b ? -1 : a > b ? 1 : 0);
}

// Writes a table's rows: the first cell of each is its value, any others the further fields the
// header names (a .tsv file), each row a line.
function writeTable(relative, rows, header = []) {
    const seen = new Set();
    for (const [value] of rows) {
        if (value !== value.trim() || value === '' || /\s\s/.test(value))
            throw new Error(`${relative}: bad value '${value}'`);
        const key = value.toLowerCase();
        if (seen.has(key)) throw new Error(`${relative}: duplicate '${value}'`);
        seen.add(key);
    }
    const text = [...header, ...rows.map((row) => row.join('\t'))].join('\n') + '\n';
    fs.writeFileSync(path.join(repo, relative), text);
    console.log(`${relative}: ${rows.length}`);
}
const writeList = (relative, values, header = []) =>
    writeTable(relative, values.map((value) => [value]), header);

const review = {};
function note(list, line) {
    if (reviewDir) (review[list] ??= []).push(line);
}

// ---------------------------------------------------------------------------------------------
// Curated word lists kept beside the script (see curation.txt)

function readCuration() {
    const sections = {};
    let current = null;
    for (const rawLine of readText(path.join(here, 'curation.txt')).split('\n')) {
        const line = rawLine.replace(/#.*/, '').trim();
        if (!line) continue;
        const header = line.match(/^\[(.+)\]$/);
        if (header) {
            current = sections[header[1]] ??= [];
            continue;
        }
        if (!current) throw new Error(`curation.txt: '${line}' before any section`);
        current.push(...line.split(/\s+/));
    }
    return sections;
}
const curation = readCuration();
const curated = (name) => new Set(curation[name] ?? []);
function curatedPairs(name) {
    const map = new Map();
    for (const item of curation[name] ?? []) {
        const [from, to] = item.split('=');
        if (!to) throw new Error(`curation.txt [${name}]: '${item}' is not from=to`);
        map.set(from, to);
    }
    return map;
}

// ---------------------------------------------------------------------------------------------
// Block lists

// bad-words ships its list as a module holding one array of quoted strings: read the strings,
// without running the module.
const badWords = [...readText(src.badWords).matchAll(/'((?:[^'\\]|\\.)*)'/g)]
    .map((m) => m[1].replace(/\\(.)/g, '$1'));
if (badWords.length < 400) throw new Error(`bad-words: only ${badWords.length} words read`);
const naughtyWords = readJson(src.naughtyWords);
const blocked = new Set([...badWords, ...naughtyWords].map((w) => w.trim().toLowerCase()));
const blockedSorted = [...blocked].filter((w) => w).sort((a, b) => (a < b ? -1 : a > b ? 1 : 0));

// A value is blocked when it, or any word in it, is on a block list.
function isBlocked(value) {
    const lower = value.toLowerCase();
    if (blocked.has(lower)) return true;
    return lower.split(/[^\p{L}'-]+/u).some((word) => word && blocked.has(word));
}

// ---------------------------------------------------------------------------------------------
// SCOWL: the familiarity level of a word (10 = most common), American and common spellings.

const scowlLevels = [10, 20, 35, 40, 50, 55, 60, 70, 80, 95];
const level = new Map();
for (const lv of scowlLevels) {
    for (const kind of ['english-words', 'american-words']) {
        for (const word of readText(`${src.scowl}/${kind}.${lv}`).split('\n')) {
            if (word && !level.has(word)) level.set(word, lv);
        }
    }
}
const levelOf = (word) => level.get(word) ?? 100;

// ---------------------------------------------------------------------------------------------
// WordNet 3.0

const posNames = { n: 'noun', v: 'verb', a: 'adj', r: 'adv' };
const lexNames = [
    'adj.all', 'adj.pert', 'adv.all', 'noun.Tops', 'noun.act', 'noun.animal', 'noun.artifact',
    'noun.attribute', 'noun.body', 'noun.cognition', 'noun.communication', 'noun.event',
    'noun.feeling', 'noun.food', 'noun.group', 'noun.location', 'noun.motive', 'noun.object',
    'noun.person', 'noun.phenomenon', 'noun.plant', 'noun.possession', 'noun.process',
    'noun.quantity', 'noun.relation', 'noun.shape', 'noun.state', 'noun.substance', 'noun.time',
    'verb.body', 'verb.change', 'verb.cognition', 'verb.communication', 'verb.competition',
    'verb.consumption', 'verb.contact', 'verb.creation', 'verb.emotion', 'verb.motion',
    'verb.perception', 'verb.possession', 'verb.social', 'verb.stative', 'verb.weather',
    'adj.ppl',
];

// synsets[pos]: offset -> { lex, words: [{ form, lower }], ptrs: [{ sym, offset, pos }], frames, gloss }
const synsets = {};
for (const pos of Object.keys(posNames)) {
    const map = new Map();
    for (const line of readText(`${src.wordnet}/data.${posNames[pos]}`).split('\n')) {
        if (!line || line.startsWith(' ')) continue;
        const bar = line.indexOf(' | ');
        const fields = line.slice(0, bar).trim().split(' ');
        const gloss = line.slice(bar + 3).trim();
        let i = 0;
        const offset = fields[i++];
        const lex = lexNames[parseInt(fields[i++], 10)];
        i++; // ss_type
        const wordCount = parseInt(fields[i++], 16);
        const words = [];
        for (let w = 0; w < wordCount; ++w) {
            const form = fields[i++].replace(/\([a-z]+\)$/, '');
            i++; // lex_id
            words.push({ form, lower: form.toLowerCase() });
        }
        const ptrCount = parseInt(fields[i++], 10);
        const ptrs = [];
        for (let p = 0; p < ptrCount; ++p) {
            ptrs.push({ sym: fields[i], offset: fields[i + 1], pos: fields[i + 2] === 's' ? 'a' : fields[i + 2], source: parseInt(fields[i + 3].slice(0, 2), 16) });
            i += 4;
        }
        const frames = [];
        if (pos === 'v') {
            const frameCount = parseInt(fields[i++], 10);
            for (let f = 0; f < frameCount; ++f) {
                frames.push({ frame: parseInt(fields[i + 1], 10), word: parseInt(fields[i + 2], 16) });
                i += 3;
            }
        }
        map.set(offset, { offset, pos, lex, words, ptrs, frames, gloss });
    }
    synsets[pos] = map;
}

// senses[pos]: lemma -> [offset, ...] in WordNet's sense order (most frequent first)
const senses = {};
for (const pos of Object.keys(posNames)) {
    const map = new Map();
    for (const line of readText(`${src.wordnet}/index.${posNames[pos]}`).split('\n')) {
        if (!line || line.startsWith(' ')) continue;
        const fields = line.trim().split(' ');
        const synsetCount = parseInt(fields[2], 10);
        map.set(fields[0], fields.slice(fields.length - synsetCount));
    }
    senses[pos] = map;
}

// tags[pos]: lemma -> [tag count of sense 1, sense 2, ...] (SemCor tagged uses)
const tags = { n: new Map(), v: new Map(), a: new Map(), r: new Map() };
for (const line of readText(`${src.wordnet}/cntlist.rev`).split('\n')) {
    if (!line) continue;
    const [key, senseNumber, count] = line.split(' ');
    const [lemma, rest] = key.split('%');
    const pos = { 1: 'n', 2: 'v', 3: 'a', 4: 'r', 5: 'a' }[rest[0]];
    const list = tags[pos].get(lemma) ?? [];
    list[parseInt(senseNumber, 10) - 1] = parseInt(count, 10);
    tags[pos].set(lemma, list);
}
const tagsOf = (pos, lemma, sense) => (tags[pos].get(lemma) ?? [])[sense] ?? 0;
const totalTags = (pos, lemma) => (tags[pos].get(lemma) ?? []).reduce((a, b) => a + (b ?? 0), 0);

// The part of speech with the most tagged uses; with no tagged use at all, the one with the
// most senses. A tie goes to the earlier of noun, verb, adjective, adverb.
function mainPos(lemma) {
    let best = null;
    let bestScore = -1;
    for (const pos of ['n', 'v', 'a', 'r']) {
        const list = senses[pos].get(lemma);
        if (!list) continue;
        const score = totalTags(pos, lemma) * 1000 + list.length;
        if (score > bestScore) {
            best = pos;
            bestScore = score;
        }
    }
    return best;
}

// Usage labels: synsets that point to one of these domains are marked as slang, disparaging,
// an ethnic slur or an obscenity.
function domainOffsets(lemma) {
    return (senses.n.get(lemma) ?? []).filter((o) => synsets.n.get(o).lex === 'noun.communication');
}
const usageDomains = new Map();
for (const label of ['slang', 'disparagement', 'ethnic_slur', 'obscenity']) {
    for (const offset of domainOffsets(label)) usageDomains.set(offset, label);
}
const offensiveGloss = /\b(offensive|vulgar|derogatory|obscene|disparaging|contemptuous)\b/i;

// The labels carried by the senses of a lemma: all of them, and those of its first sense.
function labelsOf(pos, lemma) {
    const all = new Set();
    const first = new Set();
    (senses[pos].get(lemma) ?? []).forEach((offset, index) => {
        const synset = synsets[pos].get(offset);
        for (const ptr of synset.ptrs) {
            if (ptr.sym === ';u' && usageDomains.has(ptr.offset)) {
                all.add(usageDomains.get(ptr.offset));
                if (index === 0) first.add(usageDomains.get(ptr.offset));
            }
        }
        if (offensiveGloss.test(synset.gloss)) {
            all.add('gloss');
            if (index === 0) first.add('gloss');
        }
    });
    return { all, first };
}

// Hypernym closure of a noun synset, as a set of offsets.
const hypernymCache = new Map();
function hypernyms(offset) {
    if (hypernymCache.has(offset)) return hypernymCache.get(offset);
    const result = new Set();
    hypernymCache.set(offset, result);
    for (const ptr of synsets.n.get(offset).ptrs) {
        if ((ptr.sym === '@' || ptr.sym === '@i') && ptr.pos === 'n') {
            result.add(ptr.offset);
            for (const above of hypernyms(ptr.offset)) result.add(above);
        }
    }
    return result;
}
// The noun synset whose lemma and gloss start as given ("sex_organ", "external body part").
function findNoun(lemma, glossStart) {
    for (const offset of senses.n.get(lemma) ?? []) {
        if (synsets.n.get(offset).gloss.startsWith(glossStart)) return offset;
    }
    throw new Error(`no noun synset ${lemma}: ${glossStart}`);
}


// Family-friendly screens shared by the word lists: a word with a sense marked as an ethnic slur
// or an obscenity, or whose main sense is marked slang or disparaging or glossed as offensive.
function screenWord(list, pos, lemma) {
    if (blocked.has(lemma)) return 'block list';
    const { all, first } = labelsOf(pos, lemma);
    if (all.has('ethnic_slur') || all.has('obscenity')) return 'marked slur or obscenity';
    if (first.size) return `marked ${[...first].join(', ')}`;
    if (curated(list + '-').has(lemma)) return 'curated out';
    return null;
}

// ---------------------------------------------------------------------------------------------
// Nouns: WordNet lemmas filed as nouns, whose main sense is a concrete thing, by SCOWL level.

const irregularPlurals = new Set(
    readText(`${src.wordnet}/noun.exc`).split('\n').filter(Boolean).map((l) => l.split(' '))
        .filter(([form, base]) => form !== base).map(([form]) => form));
const singularEndingInS = curated('singular');
function isPlural(lemma) {
    if (singularEndingInS.has(lemma)) return false;
    if (irregularPlurals.has(lemma)) return true;
    if (!lemma.endsWith('s') || /(ss|us|is|os|as|ys)$/.test(lemma)) return false;
    const stems = [lemma.slice(0, -1)];
    if (lemma.endsWith('es')) stems.push(lemma.slice(0, -2));
    if (lemma.endsWith('ies')) stems.push(lemma.slice(0, -3) + 'y');
    if (stems.some((stem) => senses.n.has(stem) || levelOf(stem) <= 50)) return true;
    return !/[aeiou]s$/.test(lemma); // "suds", "pants": a consonant and s is a plural ending
}

// Topic domains whose words are jargon rather than story material.
const technicalDomains = new Set([
    'law', 'computer_science', 'physics', 'mathematics', 'statistics', 'biology', 'chemistry',
    'genetics', 'medicine', 'psychology', 'linguistics', 'psychoanalysis', 'psychiatry', 'logic',
    'philosophy', 'economics', 'electronics', 'anatomy', 'pathology', 'immunology',
    'biochemistry', 'pharmacology', 'grammar', 'finance', 'accounting', 'computing',
    'telecommunication', 'electricity', 'geometry', 'molecular_biology', 'physiology',
    'microbiology', 'cytology', 'embryology', 'neurology', 'surgery', 'dentistry', 'statistics',
    'terrorism', 'military', 'prosody', 'rhetoric', 'phonetics', 'phonology', 'semantics',
    'crystallography', 'meteorology', 'optics', 'nuclear_physics', 'thermodynamics', 'mechanics',
    'electrical_engineering', 'engineering', 'commerce', 'business', 'banking', 'insurance',
    'taxation', 'politics', 'government', 'diplomacy', 'biochemistry', 'ecology', 'zoology',
]);
function topicDomains(synset) {
    return synset.ptrs.filter((p) => p.sym === ';c')
        .map((p) => synsets[p.pos].get(p.offset).words[0].lower);
}
const technicalGloss = /^\((astronomy|physics|chemistry|biology|medicine|immunology|genetics|computer science|mathematics|statistics|law|linguistics|anatomy|pathology|psychology|psychiatry|psychoanalysis|logic|philosophy|economics|electronics|biochemistry|pharmacology|grammar|botany|zoology|geology|ecology|physiology|finance|accounting|computing|ethics|theology|military)\)/i;

// The senses of a lemma that are written in lower case (not a proper name) and their tag weight.
function commonSenses(pos, lemma) {
    const list = senses[pos].get(lemma) ?? [];
    let common = 0;
    let proper = 0;
    const result = [];
    list.forEach((offset, index) => {
        const synset = synsets[pos].get(offset);
        const word = synset.words.find((w) => w.lower === lemma);
        const weight = tagsOf(pos, lemma, index) + 0.1;
        if (word && word.form === lemma) {
            common += weight;
            result.push({ synset, index });
        } else {
            proper += weight;
        }
    });
    return { common: result, properWins: proper > common };
}

const nounGroups = new Set([
    'noun.artifact', 'noun.animal', 'noun.food', 'noun.plant', 'noun.object', 'noun.location',
    'noun.person', 'noun.phenomenon', 'noun.substance',
]);
const nounHypernymScreen = [
    findNoun('genitalia', 'external sex organ'),
    findNoun('sex_organ', 'any organ involved'),
    findNoun('body_waste', 'waste matter'),
    findNoun('drug_of_abuse', 'a drug that is taken for nonmedicinal'),
    findNoun('undergarment', 'a garment worn under'),
    findNoun('contraceptive', 'an agent or device'),
    findNoun('prostitute', 'a woman who engages'),
    findNoun('murderer', 'a criminal who commits homicide'),
    findNoun('sex_offender', 'someone who has been convicted'),
    findNoun('pervert', 'a person whose behavior deviates'),
    findNoun('addict', 'someone who is physiologically'),
];

// Science words below these, at SCOWL level 35, are jargon to a story ("dioxide", "proton").
const nounJargonScreen = [
    findNoun('compound', '(chemistry) a substance formed'),
    findNoun('macromolecule', 'any very large'),
    findNoun('elementary_particle', '(physics) a particle'),
    findNoun('drug', 'a substance that is used as a medicine'),
    findNoun('medicine', '(medicine) something that treats'),
    findNoun('electrical_phenomenon', 'a physical phenomenon involving electricity'),
    findNoun('chemical_element', 'any of the more than 100'),
    findNoun('atom', '(physics and chemistry)'),
    findNoun('molecule', '(physics and chemistry)'),
    findNoun('force', '(physics)'),
    findNoun('energy', '(physics)'),
];

function deriveNouns() {
    const keep = [];
    for (const lemma of [...senses.n.keys()].sort()) {
        if (!/^[a-z]{3,}$/.test(lemma)) continue;
        const lv = levelOf(lemma);
        if (lv > 35) continue;
        const why = (() => {
            if (mainPos(lemma) !== 'n') return `more used as ${posNames[mainPos(lemma)]}`;
            if (isPlural(lemma)) return 'plural';
            const { common, properWins } = commonSenses('n', lemma);
            if (properWins || !common.length) return 'mostly a proper name';
            const main = common[0].synset;
            if (!nounGroups.has(main.lex)) return `abstract (${main.lex})`;
            if (main.lex === 'noun.person' && lv > 20 && totalTags('n', lemma) === 0)
                return 'rare person word';
            const domains = topicDomains(main).filter((d) => technicalDomains.has(d));
            if (domains.length) return `jargon (${domains.join(', ')})`;
            if (technicalGloss.test(main.gloss)) return 'jargon (gloss)';
            const above = hypernyms(main.offset);
            if (lv > 20 && nounJargonScreen.some((o) => o === main.offset || above.has(o)))
                return 'jargon (hypernym)';
            if (nounHypernymScreen.some((o) => o === main.offset || above.has(o)))
                return 'family-friendly (hypernym)';
            return screenWord('noun', 'n', lemma);
        })();
        const common = commonSenses('n', lemma).common[0]?.synset;
        note('noun', [why ? 'DROP ' + why : 'KEEP', lemma, lv, totalTags('n', lemma), common?.lex ?? '', common?.gloss.slice(0, 80) ?? ''].join('\t'));
        if (!why) keep.push(lemma);
    }
    for (const extra of curated('noun+')) {
        if (!keep.includes(extra)) keep.push(extra);
    }
    return keep.sort(compareText);
}

// A noun's countability: "mass" when SCOWL lists no plural of it among its words of level 60 or
// more familiar ("luggage", "cinnamon": their plurals, if listed at all, are rare), else
// "count". A plural is the regular one (-s, -es, -ies, -ves, -men) or WordNet's irregular one;
// nouns whose plural is the singular itself ("moose") or foreign are curated as countable.
const irregularPluralsOf = new Map();
for (const line of readText(`${src.wordnet}/noun.exc`).split('\n').filter(Boolean)) {
    const [form, base] = line.split(' ');
    if (form !== base) irregularPluralsOf.set(base, [...(irregularPluralsOf.get(base) ?? []), form]);
}
const countableNouns = curated('count');
function pluralsOf(lemma) {
    const plurals = [lemma + 's', ...(irregularPluralsOf.get(lemma) ?? [])];
    if (/(s|sh|ch|x|z|o)$/.test(lemma)) plurals.push(lemma + 'es');
    if (/[^aeiou]y$/.test(lemma)) plurals.push(lemma.slice(0, -1) + 'ies');
    if (lemma.endsWith('f')) plurals.push(lemma.slice(0, -1) + 'ves');
    if (lemma.endsWith('fe')) plurals.push(lemma.slice(0, -2) + 'ves');
    if (lemma.endsWith('man')) plurals.push(lemma.slice(0, -3) + 'men');
    return plurals;
}
function countabilityOf(lemma) {
    if (countableNouns.has(lemma)) return 'count';
    const plural = Math.min(...pluralsOf(lemma).map(levelOf));
    return plural <= 60 ? 'count' : 'mass';
}

// ---------------------------------------------------------------------------------------------
// Verbs, in the simple past: WordNet verbs that can stand without an object ("the lantern
// flickered"), by SCOWL level.

function verbHypernyms(offset, seen = new Set()) {
    for (const ptr of synsets.v.get(offset).ptrs) {
        if (ptr.sym === '@' && ptr.pos === 'v' && !seen.has(ptr.offset)) {
            seen.add(ptr.offset);
            verbHypernyms(ptr.offset, seen);
        }
    }
    return seen;
}
function findVerb(lemma, glossStart) {
    for (const offset of senses.v.get(lemma) ?? []) {
        if (synsets.v.get(offset).gloss.startsWith(glossStart)) return offset;
    }
    throw new Error(`no verb synset ${lemma}: ${glossStart}`);
}
const verbHypernymScreen = [
    findVerb('kill', 'cause to die'),
    findVerb('murder', 'kill intentionally'),
    findVerb('torture', 'subject to torture'),
    findVerb('copulate', 'engage in sexual intercourse'),
    findVerb('rape', 'force (someone) to have sex'),
    findVerb('stab', 'use a knife on'),
];

// Generic frames without an object: "Something ----s", "Somebody ----s", "It is ----ing",
// "Something is ----ing PP", "Somebody ----s PP", "Somebody's (body part) ----s".
const intransitiveFrames = new Set([1, 2, 3, 4, 22, 23]);
function isIntransitive(synset, lemma) {
    const position = synset.words.findIndex((w) => w.lower === lemma) + 1;
    return synset.frames.some(
        (f) => intransitiveFrames.has(f.frame) && (f.word === 0 || f.word === position));
}

// What may follow the verb in a frame: an object ("Somebody ----s something", "... somebody PP",
// "... somebody to INFINITIVE") or nothing that is one (the frames above, and those with a
// preposition, a clause, an infinitive or a gerund after the verb). "Something ----s
// Adjective/Noun" and "Somebody ----s Adjective" are neither.
const objectFrames = new Set([5, 8, 9, 10, 11, 14, 15, 16, 17, 18, 19, 20, 21, 24, 25, 30, 31]);
const noObjectFrames = new Set([...intransitiveFrames, 12, 13, 26, 27, 28, 29, 32, 33, 34, 35]);
// A verb's frame, from the frames of its common uses: its first sense and every other sense
// tagged at least half as often as its most tagged one. "object", "none", or "both" when they
// have frames of each kind or of neither.
function frameOf(lemma) {
    const list = senses.v.get(lemma);
    const most = Math.max(...list.map((_, sense) => tagsOf('v', lemma, sense)));
    const common = list.filter(
        (_, sense) => sense === 0 || (most > 0 && 2 * tagsOf('v', lemma, sense) >= most));
    const kinds = new Set();
    for (const offset of common) {
        const synset = synsets.v.get(offset);
        const position = synset.words.findIndex((w) => w.lower === lemma) + 1;
        for (const f of synset.frames) {
            if (f.word !== 0 && f.word !== position) continue;
            if (objectFrames.has(f.frame)) kinds.add('object');
            if (noObjectFrames.has(f.frame)) kinds.add('none');
        }
    }
    return kinds.size === 1 ? [...kinds][0] : 'both';
}

// Irregular past forms. A form that is also the participle of another variant ("stunk" beside
// "stank, stunk") is never taken; of the rest, the most familiar wins, then the first listed.
const irregularVerbs = readJson(src.irregular);
const pastOverrides = curatedPairs('past');
function irregularPast(lemma) {
    if (pastOverrides.has(lemma)) return pastOverrides.get(lemma);
    const variants = irregularVerbs[lemma];
    if (!variants) return null;
    const participles = new Set(variants.filter(([p, pp]) => p !== pp).map(([, pp]) => pp));
    const pasts = variants.map(([p]) => p).filter((p) => !participles.has(p));
    if (!pasts.length) return null;
    return pasts.reduce((best, p) => (levelOf(p) < levelOf(best) ? p : best));
}
// Regular past forms by rule; of the spellings a rule allows (doubled final consonant or not),
// the first that SCOWL lists in American or common spelling.
function regularPast(lemma) {
    if (lemma.endsWith('e')) return lemma + 'd';
    if (/[^aeiou]y$/.test(lemma)) return lemma.slice(0, -1) + 'ied';
    const candidates = [];
    if (lemma.endsWith('c')) candidates.push(lemma + 'ked');
    if (/[^aeiou][aeiou][^aeiouwxy]$/.test(lemma)) candidates.push(lemma + lemma.slice(-1) + 'ed');
    candidates.push(lemma + 'ed');
    return candidates.find((c) => levelOf(c) <= 95) ?? lemma + 'ed';
}
const pastOf = (lemma) => irregularPast(lemma) ?? regularPast(lemma);

// Verbs of moving, touching, the body, seeing and hearing, weather, feeling, speaking and sounds,
// change, eating, making and contests; those of owning, society, being and thinking only when
// named in curation.txt [verb+].
const vividVerbs = new Set([
    'verb.motion', 'verb.contact', 'verb.body', 'verb.perception', 'verb.weather', 'verb.emotion',
    'verb.communication', 'verb.change', 'verb.consumption', 'verb.creation', 'verb.competition',
]);
const extraVerbs = curated('verb+');

function deriveVerbs() {
    const keep = new Map(); // past -> lemma
    for (const lemma of [...senses.v.keys()].sort()) {
        if (!/^[a-z]{2,}$/.test(lemma)) continue;
        const lv = levelOf(lemma);
        if (lv > 35) continue;
        const past = pastOf(lemma);
        const list = senses.v.get(lemma);
        const first = synsets.v.get(list[0]);
        const verbTags = totalTags('v', lemma);
        const why = (() => {
            const main = mainPos(lemma);
            if (main !== 'v' && verbTags === 0) return `rarely a verb (${posNames[main]})`;
            if (!list.slice(0, 2).some((o) => isIntransitive(synsets.v.get(o), lemma)))
                return 'needs an object';
            if (levelOf(past) > 35) return `past '${past}' unfamiliar`;
            if (!vividVerbs.has(first.lex) && !extraVerbs.has(lemma)) return `not vivid (${first.lex})`;
            if (/i[sz]e$/.test(lemma) && !extraVerbs.has(lemma)) return 'not vivid (-ize)';
            if (blocked.has(past)) return 'block list';
            if (curated('verb-').has(past)) return 'curated out';
            const above = new Set(list.slice(0, 3).flatMap((o) => [o, ...verbHypernyms(o)]));
            if (verbHypernymScreen.some((o) => above.has(o))) return 'family-friendly (hypernym)';
            if (technicalGloss.test(first.gloss)) return 'jargon (gloss)';
            return screenWord('verb', 'v', lemma);
        })();
        note('verb', [why ? 'DROP ' + why : 'KEEP', lemma, past, lv, verbTags, first.lex, first.gloss.slice(0, 70)].join('\t'));
        if (!why && !keep.has(past)) keep.set(past, lemma);
    }
    // Each verb with its frame, for verb.tsv.
    return [...keep.keys()].sort(compareText).map((past) => ({ past, frame: frameOf(keep.get(past)) }));
}

// ---------------------------------------------------------------------------------------------
// Adjectives: WordNet lemmas filed as adjectives whose main sense is descriptive (not relational
// like "federal", not a participle like "written"), by SCOWL level.

// A verb form used as an adjective: "written", "amused", "napped", "unfinished".
const verbForms = new Set(
    readText(`${src.wordnet}/verb.exc`).split('\n').filter(Boolean).map((l) => l.split(' ')[0]));
function isParticiple(lemma) {
    if (verbForms.has(lemma)) return true;
    const m = lemma.match(/^(.*?)(ing|ed|d)$/);
    if (m) {
        const stem = m[1];
        const stems = [stem, stem + 'e', stem.replace(/(.)\1$/, '$1'), stem.replace(/i$/, 'y')];
        if (m[2] !== 'd' || lemma.endsWith('ed')) {
            if (stems.some((x) => x.length > 1 && senses.v.has(x))) return true;
        }
    }
    return lemma.startsWith('un') && lemma.length > 5 && isParticiple(lemma.slice(2));
}
// Comparatives and superlatives ("greatest", "lowest").
const gradedForms = new Set(
    readText(`${src.wordnet}/adj.exc`).split('\n').filter(Boolean)
        .filter((l) => l.split(' ')[0] !== l.split(' ')[1]).map((l) => l.split(' ')[0]));
function isGraded(lemma) {
    if (gradedForms.has(lemma)) return true;
    const m = lemma.match(/^(.+?)(est|er)$/);
    return !!m && [m[1], m[1] + 'e', m[1].replace(/(.)\1$/, '$1'), m[1].replace(/i$/, 'y')]
        .some((x) => x.length > 1 && senses.a.has(x) && x !== lemma);
}
const numberGloss = /^(coming next after|being (one|two|three|four|five|ten) (more|less) than|the (cardinal|ordinal) number|denoting a quantity consisting of)/;

function deriveAdjectives() {
    const keep = [];
    for (const lemma of [...senses.a.keys()].sort()) {
        if (!/^[a-z]{3,}$/.test(lemma)) continue;
        const lv = levelOf(lemma);
        if (lv > 35) continue;
        const list = senses.a.get(lemma);
        const first = synsets.a.get(list[0]);
        const why = (() => {
            const main = mainPos(lemma);
            if (main !== 'a') return `more used as ${posNames[main]}`;
            if (first.lex !== 'adj.all') return first.lex === 'adj.pert' ? 'relational' : 'participle';
            if (isParticiple(lemma) && !(lv <= 20 && totalTags('a', lemma) >= 2))
                return 'participle form';
            if (isGraded(lemma)) return 'comparative or superlative';
            if (numberGloss.test(first.gloss)) return 'number';
            const domains = topicDomains(first).filter((d) => technicalDomains.has(d));
            if (domains.length) return `jargon (${domains.join(', ')})`;
            if (technicalGloss.test(first.gloss)) return 'jargon (gloss)';
            return screenWord('adjective', 'a', lemma);
        })();
        note('adjective', [why ? 'DROP ' + why : 'KEEP', lemma, lv, totalTags('a', lemma), first.lex, first.gloss.slice(0, 80)].join('\t'));
        if (!why) keep.push(lemma);
    }
    for (const extra of curated('adjective+')) if (!keep.includes(extra)) keep.push(extra);
    return keep.sort(compareText);
}

// ---------------------------------------------------------------------------------------------
// Adverbs: manner adverbs made from adjectives ("softly"), plus a few other common adverbs that
// can follow a verb ("away", "again"), by SCOWL level.

function deriveAdverbs() {
    const keep = [];
    const others = curated('adverb+');
    for (const lemma of [...senses.r.keys()].sort()) {
        if (!/^[a-z]{3,}$/.test(lemma)) continue;
        const lv = levelOf(lemma);
        if (lv > 35) continue;
        const list = senses.r.get(lemma);
        const first = synsets.r.get(list[0]);
        const why = (() => {
            if (others.has(lemma)) return screenWord('adverb', 'r', lemma);
            if (!lemma.endsWith('ly')) return 'not a manner adverb';
            const fromAdjective = list.slice(0, 2).some(
                (o) => synsets.r.get(o).ptrs.some((p) => p.sym === '\\' && p.pos === 'a'));
            if (!fromAdjective) return 'not made from an adjective';
            return screenWord('adverb', 'r', lemma);
        })();
        note('adverb', [why ? 'DROP ' + why : 'KEEP', lemma, lv, totalTags('r', lemma), first.gloss.slice(0, 80)].join('\t'));
        if (!why) keep.push(lemma);
    }
    return keep.sort(compareText);
}

// ---------------------------------------------------------------------------------------------
// Names: the US 1990 census tables (data only) and, for many cultures, Faker's locale data and
// human-names. Single-word Latin-script names, title-cased, diacritics kept.

function censusTable(name) {
    const text = readText(src.census);
    const start = text.indexOf(`$${name} = <<ENDNAMES;`);
    const end = text.indexOf('\nENDNAMES', start);
    if (start < 0 || end < 0) throw new Error(`census table ${name} not found`);
    const rows = [];
    for (const m of text.slice(start, end).matchAll(/([A-Z][A-Z'-]*)\s+([\d.]+)\s+[\d.]+\s+(\d+)/g))
        rows.push({ name: m[1], share: parseFloat(m[2]), rank: parseInt(m[3], 10) });
    return rows.sort((a, b) => a.rank - b.rank);
}

const nameShape = /^\p{Script=Latin}+(?:['-]\p{Script=Latin}+)*$/u;
function cleanName(value) {
    const name = value.normalize('NFC').trim().replace(/[’ʼ]/g, "'");
    if (!nameShape.test(name) || name.length < 2) return null;
    if (name === name.toUpperCase() || name === name.toLowerCase()) {
        return name.toLowerCase().replace(/(^|['-])(\p{L})/gu, (m, a, b) => a + b.toUpperCase())
            .replace(/^Mc(\p{Ll})/u, (m, c) => 'Mc' + c.toUpperCase());
    }
    return name;
}
// Names that differ only in accents, case, hyphens or apostrophes count as one ("Andre", "André").
const nameKey = (name) => name.normalize('NFD').replace(/\p{M}/gu, '').toLowerCase().replace(/['-]/g, '');

// Small, stable hash (FNV-1a) to spread a source's picks over its alphabetical list.
function hash(text) {
    let h = 0x811c9dc5;
    for (const ch of text) {
        h ^= ch.codePointAt(0);
        h = Math.imul(h, 0x01000193) >>> 0;
    }
    return h;
}

const skippedLocales = new Set(['base', 'en', 'en_US', 'en_AU', 'en_AU_ocker', 'en_BORK', 'eo']);
// A source of names: a culture, and its male, female and surname lists.
async function nameSources() {
    const { allLocales } = await import(pathToFileURL(src.faker).href);
    const groups = new Map();
    const group = (key) => {
        if (!groups.has(key)) groups.set(key, { key, male: new Set(), female: new Set(), surname: new Set() });
        return groups.get(key);
    };
    for (const locale of Object.keys(allLocales).sort()) {
        if (skippedLocales.has(locale)) continue;
        const person = allLocales[locale].person;
        if (!person) continue;
        const key = locale.startsWith('en_') || locale === 'ne' ? locale.replace(/^ne$/, 'en_NP') : locale.split('_')[0];
        const g = group('faker ' + key);
        const add = (set, values) => {
            for (const v of values ?? []) {
                const name = cleanName(v);
                if (name) set.add(name);
            }
        };
        add(g.male, person.first_name?.male);
        add(g.female, person.first_name?.female);
        add(g.surname, person.last_name?.generic);
        add(g.surname, person.last_name?.male);
    }
    for (const lang of ['de', 'en', 'es', 'fr', 'it', 'nl']) {
        const g = group('human-names ' + lang);
        for (const [sex, file] of [['male', 'male'], ['female', 'female']]) {
            for (const v of readJson(`${src.humanNames}/${file}-human-names-${lang}.json`)) {
                const name = cleanName(v);
                if (name) g[sex].add(name);
            }
        }
    }
    return [...groups.values()].filter((g) => g.male.size + g.female.size + g.surname.size > 0);
}

const perSourceCap = { male: 45, female: 45, surname: 45 };
const censusShare = 0.4;

async function deriveNames() {
    const census = {
        male: censusTable('COMMON_MALE_FIRSTNAMES'),
        female: censusTable('COMMON_FEMALE_FIRSTNAMES'),
        surname: censusTable('COMMON_SURNAMES'),
    };
    const sources = await nameSources();

    // The spelling other sources use ("O'Brien", "McDonald") for the census's upper-case names.
    const spelling = new Map();
    for (const g of sources)
        for (const kind of ['male', 'female', 'surname'])
            for (const n of g[kind]) if (!spelling.has(nameKey(n))) spelling.set(nameKey(n), n);
    const censusName = (raw) => spelling.get(nameKey(raw)) ?? cleanName(raw);

    // Sex of a first name: with census shares for both sexes, the shares decide; otherwise the
    // number of sources listing it for each sex. One side must be at least five times the other.
    const share = { male: new Map(), female: new Map() };
    for (const sex of ['male', 'female'])
        for (const row of census[sex]) share[sex].set(nameKey(censusName(row.name)), row.share);
    const votes = { male: new Map(), female: new Map() };
    for (const sex of ['male', 'female']) {
        for (const key of share[sex].keys()) votes[sex].set(key, 1);
        for (const g of sources)
            for (const n of g[sex]) votes[sex].set(nameKey(n), (votes[sex].get(nameKey(n)) ?? 0) + 1);
    }
    function sexOf(name) {
        const key = nameKey(name);
        let m = share.male.get(key), f = share.female.get(key);
        if (m === undefined || f === undefined) {
            m = votes.male.get(key) ?? 0;
            f = votes.female.get(key) ?? 0;
        }
        if (m >= 5 * f && m > 0) return 'male';
        if (f >= 5 * m && f > 0) return 'female';
        return 'both';
    }
    const screenName = (name, kind) => {
        if (isBlocked(name)) return 'block list';
        if (curated('name-').has(name)) return 'curated out';
        if (kind !== 'surname' && sexOf(name) !== kind) return `sex ${sexOf(name)}`;
        return null;
    };

    const result = {};
    for (const kind of ['male', 'female', 'surname']) {
        const chosen = new Map(); // key -> name
        const origin = new Map();
        // Each culture adds up to its cap of names not already chosen, in a spread order.
        for (const g of sources) {
            let added = 0;
            const candidates = [...g[kind]].sort((a, b) => hash(a) - hash(b) || compareText(a, b));
            for (const name of candidates) {
                if (added >= perSourceCap[kind]) break;
                const why = screenName(name, kind);
                if (why) {
                    note(kind, `DROP ${why}\t${name}\t${g.key}`);
                    continue;
                }
                if (chosen.has(nameKey(name))) continue;
                chosen.set(nameKey(name), name);
                origin.set(nameKey(name), g.key);
                ++added;
            }
        }
        // Then the census's most common names, while they stay within their share of the list
        // (counting every chosen name that the census also lists).
        const inCensus = new Set(census[kind].map((r) => nameKey(censusName(r.name))));
        let fromCensus = [...chosen.keys()].filter((k) => inCensus.has(k)).length;
        for (const row of census[kind]) {
            const name = censusName(row.name);
            if (!name || chosen.has(nameKey(name))) continue;
            if (fromCensus + 1 > censusShare * (chosen.size + 1)) break;
            const why = screenName(name, kind);
            if (why) {
                note(kind, `DROP ${why}\t${name}\tcensus`);
                continue;
            }
            chosen.set(nameKey(name), name);
            origin.set(nameKey(name), 'census');
            ++fromCensus;
        }
        for (const [key, name] of chosen) note(kind, `KEEP\t${name}\t${origin.get(key)}`);
        const count = {};
        for (const o of origin.values()) count[o] = (count[o] ?? 0) + 1;
        note(kind + '-origins', Object.entries(count).sort().map(([k, v]) => `${k}\t${v}`).join('\n'));
        note(kind + '-origins', `listed by the census\t${fromCensus} of ${chosen.size}`);
        result[kind] = [...chosen].map(([key, name]) => ({ name, source: origin.get(key) }))
            .sort((a, b) => compareText(a.name, b.name));
    }
    return result;
}

// ---------------------------------------------------------------------------------------------
// Countries (ISO 3166-1 from iso-codes, the common name where there is one) and living
// languages (ISO 639-3 from iso-codes: living languages that have a two-letter code).

const countryNames = {
    'Bonaire, Sint Eustatius and Saba': 'Caribbean Netherlands',
    'Brunei Darussalam': 'Brunei',
    'Cocos (Keeling) Islands': 'Cocos Islands',
    'Congo, The Democratic Republic of the': 'Democratic Republic of the Congo',
    'Falkland Islands (Malvinas)': 'Falkland Islands',
    'Holy See (Vatican City State)': 'Vatican City',
    'Micronesia, Federated States of': 'Micronesia',
    'Palestine, State of': 'Palestine',
    'Russian Federation': 'Russia',
    'Saint Helena, Ascension and Tristan da Cunha': 'Saint Helena',
    'Saint Martin (French part)': 'Saint Martin',
    'Sint Maarten (Dutch part)': 'Sint Maarten',
    'Virgin Islands, British': 'British Virgin Islands',
    'Virgin Islands, U.S.': 'United States Virgin Islands',
};
// Places with no people of their own, which a character cannot come from.
const uninhabited = new Set([
    'Antarctica', 'Bouvet Island', 'British Indian Ocean Territory', 'French Southern Territories',
    'Heard Island and McDonald Islands', 'South Georgia and the South Sandwich Islands',
    'United States Minor Outlying Islands',
]);

function deriveCountries() {
    const list = [];
    for (const entry of readJson(`${src.isoCodes}/iso_3166-1.json`)['3166-1']) {
        const name = countryNames[entry.name] ?? entry.common_name ?? entry.name;
        if (uninhabited.has(name)) continue;
        if (/[,()]/.test(name)) throw new Error(`country name needs a common form: ${name}`);
        if (isBlocked(name)) continue;
        list.push(name);
    }
    return list.sort(compareText);
}

const languageNames = {
    'Modern Greek': 'Greek',
    Haitian: 'Haitian Creole',
    Kirghiz: 'Kyrgyz',
    Nauru: 'Nauruan',
    Panjabi: 'Punjabi',
    Pushto: 'Pashto',
    Tonga: 'Tongan',
    Uighur: 'Uyghur',
};

function deriveLanguages() {
    const list = [];
    for (const entry of readJson(`${src.isoCodes}/iso_639-3.json`)['639-3']) {
        if (!entry.alpha_2 || entry.type !== 'L') continue; // living languages only
        const plain = entry.name.replace(/\s*\(.*\)$/, '');
        const name = languageNames[plain] ?? plain;
        if (isBlocked(name)) continue;
        list.push(name);
    }
    return list.sort(compareText);
}

// ---------------------------------------------------------------------------------------------
// Cultures (see cultures.txt): each name carries the culture of the source it was taken from;
// a country or a language the one whose names suit its people, or none.

function readCultures() {
    const sections = {};
    let current = null;
    let last = null;
    for (const rawLine of readText(path.join(here, 'cultures.txt')).split('\n')) {
        const line = rawLine.replace(/#.*/, '').trimEnd();
        if (!line.trim()) continue;
        const header = line.match(/^\[(.+)\]$/);
        if (header) {
            current = sections[header[1]] = new Map();
            last = null;
            continue;
        }
        const entry = /^\s/.test(line) ? last : line.match(/^([^:]+):(.*)$/);
        if (!current || !entry) throw new Error(`cultures.txt: '${line.trim()}' is not "Culture: key, key"`);
        const culture = entry[1].trim();
        for (const key of (entry === last ? line : entry[2]).split(',').map((k) => k.trim())) {
            if (!key) continue;
            if (current.has(key)) throw new Error(`cultures.txt: '${key}' has two cultures`);
            current.set(key, culture);
        }
        last = entry;
    }
    return sections;
}

// Rows of a value and its culture; every key of the map must name one of the values.
function withCultures(list, values, cultureOf, named) {
    const known = new Set(values);
    for (const key of cultureOf.keys())
        if (!known.has(key)) throw new Error(`cultures.txt [${list}]: no ${list} '${key}'`);
    return values.map((value) => {
        const culture = cultureOf.get(value) ?? '';
        if (culture && !named.has(culture))
            throw new Error(`cultures.txt [${list}]: '${culture}' has no names for '${value}'`);
        return [value, culture];
    });
}

function deriveCultures(names, countries, languages) {
    const cultures = readCultures();
    const ofSource = cultures.sources ?? new Map();
    const rows = {};
    const figures = new Map(); // culture -> { male, female, surname, country, languages }
    const count = (culture, what) => {
        if (!figures.has(culture))
            figures.set(culture, { male: 0, female: 0, surname: 0, country: 0, languages: 0 });
        ++figures.get(culture)[what];
    };
    for (const kind of ['male', 'female', 'surname']) {
        rows[kind] = names[kind].map(({ name, source }) => {
            const culture = ofSource.get(source);
            if (!culture) throw new Error(`cultures.txt [sources]: no culture for '${source}'`);
            count(culture, kind);
            return [name, culture];
        });
    }
    // A culture a country or language names must give every part of a name.
    const named = new Set([...figures].filter(([, f]) => f.male && f.female && f.surname)
        .map(([culture]) => culture));
    rows.country = withCultures('country', countries, cultures.country ?? new Map(), named);
    rows.languages = withCultures('languages', languages, cultures.languages ?? new Map(), named);
    for (const list of ['country', 'languages'])
        for (const [, culture] of rows[list]) if (culture) count(culture, list);
    note('cultures', 'culture\tmale\tfemale\tsurnames\tcountries\tlanguages');
    for (const [culture, f] of [...figures].sort(([a], [b]) => compareText(a, b)))
        note('cultures', [culture, f.male, f.female, f.surname, f.country, f.languages].join('\t'));
    return rows;
}

// ---------------------------------------------------------------------------------------------

const blocklistHeader = [
    '# Words no shipped list may hold: bad-words 4.1.5 (npm, MIT, Copyright (c) 2015 Michael Price,',
    '# dist/lang.js) and naughty-words 1.2.0 (npm, the "en" list of "List of Dirty, Naughty, Obscene,',
    '# and Otherwise Bad Words" by Shutterstock and contributors, CC-BY-4.0,',
    '# https://creativecommons.org/licenses/by/4.0/), lower-cased, sorted and deduplicated.',
    '# Made by tools/derive-lists/derive-lists.mjs.',
];

const nouns = deriveNouns();
const verbs = deriveVerbs();
const adjectives = deriveAdjectives();
const adverbs = deriveAdverbs();
const names = await deriveNames();
const countries = deriveCountries();
const languages = deriveLanguages();

writeTable('data/tables/noun.tsv', nouns.map((n) => [n, countabilityOf(n)]), ['noun\tcountability']);
writeTable('data/tables/verb.tsv', verbs.map((v) => [v.past, v.frame]), ['verb\tframe']);
writeList('data/tables/adjective.txt', adjectives);
writeList('data/tables/adverb.txt', adverbs);
const cultures = deriveCultures(names, countries, languages);
writeTable('data/tables/maleName.tsv', cultures.male, ['maleName\tculture']);
writeTable('data/tables/femaleName.tsv', cultures.female, ['femaleName\tculture']);
writeTable('data/tables/surnames.tsv', cultures.surname, ['surnames\tculture']);
writeTable('data/tables/country.tsv', cultures.country, ['country\tculture']);
writeTable('data/tables/languages.tsv', cultures.languages, ['languages\tculture']);
writeList('tests/fixtures/blocklist.txt', blockedSorted, blocklistHeader);

if (reviewDir) {
    fs.mkdirSync(reviewDir, { recursive: true });
    for (const [list, lines] of Object.entries(review))
        fs.writeFileSync(path.join(reviewDir, `${list}.tsv`), lines.join('\n') + '\n');
    console.log(`review files in ${reviewDir}`);
}
