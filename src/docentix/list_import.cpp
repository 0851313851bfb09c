// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "docentix/list_import.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QXmlStreamReader>
#include <algorithm>

#include "charset.h"
#include "platform/bounded_read.h"

namespace {

// A word list has at most fifty words: a file of a mebibyte, or a word or hint of a thousand
// characters, is something else, and is refused before it fills the memory. The bound is on
// the words and hints, not on the lines, so that the quotes an export doubles do not count.
constexpr qint64 kMaxFileSize = 1 << 20;
constexpr int kMaxFieldLength = 1000;
// The mark that opens a Unicode text; past the start, where files were put together, it is
// an invisible character that no word holds.
constexpr QChar kByteOrderMark(0xFEFF);

// The text, from UTF-8 (with or without its mark), UTF-16 with its mark, or else Windows-1252,
// the code page of the teachers' older programs; false when the UTF-16 is broken.
bool Decode(const QByteArray& bytes, QString& text) {
  const auto decode = [&](QStringDecoder::Encoding encoding, qsizetype skip) {
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    text = decoder(bytes.mid(skip));
    return !decoder.hasError() &&
           (encoding == QStringDecoder::Utf8 ||
            (text.isValidUtf16() && !text.contains(QChar::ReplacementCharacter)));
  };
  if (bytes.startsWith("\xFF\xFE"))
    return decode(QStringDecoder::Utf16LE, 2);
  if (bytes.startsWith("\xFE\xFF"))
    return decode(QStringDecoder::Utf16BE, 2);
  if (decode(QStringDecoder::Utf8, bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0))
    return true;
  text = QString::fromStdString(AnsiToUtf8(bytes.toStdString()));
  return true;
}

// Cuts a line at `separator`, outside quotes; a quoted field loses its quotes and
// its doubled quotes become one.
QStringList SplitFields(const QString& line, QChar separator) {
  QStringList fields{QString()};
  bool quoted = false;
  for (int i = 0; i < line.size(); ++i) {
    const QChar c = line.at(i);
    if (c == '"' && quoted && i + 1 < line.size() && line.at(i + 1) == '"') {
      fields.last() += '"';
      ++i;
    } else if (c == '"' && (quoted || fields.last().trimmed().isEmpty())) {
      quoted = !quoted;
      if (quoted)
        fields.last().clear();
    } else if (c == separator && !quoted) {
      fields.append(QString());
    } else {
      fields.last() += c;
    }
  }
  return fields;
}

// The first of tab, ";" and "," that the line holds outside quoted fields, so that
// «ñandú,"Corre; vuela"» is cut at its comma; the whole line counts when a quote is left open.
QChar SeparatorOf(const QString& line) {
  const QList<QChar> separators{QChar('\t'), QChar(';'), QChar(',')};
  QString outside;
  bool quoted = false, fieldStart = true;
  for (int i = 0; i < line.size(); ++i) {
    const QChar c = line.at(i);
    if (c == '"' && quoted && i + 1 < line.size() && line.at(i + 1) == '"')
      ++i;
    else if (c == '"' && (quoted || fieldStart))
      quoted = !quoted;
    else if (!quoted)
      outside += c;
    if (!quoted && c != ' ')
      fieldStart = separators.contains(c);
  }
  for (QChar separator : separators) {
    if ((quoted ? line : outside).contains(separator))
      return separator;
  }
  return QChar('\t');
}

// A field as a heading is compared: no spaces around it, lower case, no accents.
QString Folded(const QString& field) {
  QString folded;
  for (QChar c : field.trimmed().toLower().normalized(QString::NormalizationForm_D)) {
    if (c.category() != QChar::Mark_NonSpacing)
      folded += c;
  }
  return folded;
}

// The first line of a spreadsheet's export names its columns: "Palabra,Pista", "word;hint".
bool IsHeading(const QStringList& fields) {
  static const QStringList kWordHeadings{"palabra", "palabras", "word",   "words",
                                         "termino", "term",     "vocablo"};
  static const QStringList kHintHeadings{"pista",       "pistas",     "hint",       "hints",
                                         "clue",        "definicion", "definition", "descripcion",
                                         "description", "comentario", "comment",    "significado",
                                         "meaning"};
  if (!kWordHeadings.contains(Folded(fields.first())))
    return false;
  const QString hint = Folded(fields.mid(1).join(' '));
  return hint.isEmpty() || kHintHeadings.contains(hint);
}

QString Quote(const QString& field) {
  if (!field.contains(';') && !field.contains('"') && !field.contains('\t'))
    return field;
  return '"' + QString(field).replace("\"", "\"\"") + '"';
}

}  // namespace

ImportedList ImportText(const QByteArray& bytes) {
  ImportedList imported;
  QString text;
  if (!Decode(bytes, text)) {
    imported.error = QStringLiteral("el archivo dice estar en UTF-16 pero no lo está.");
    return imported;
  }
  const QStringList lines = text.remove(kByteOrderMark).split('\n');
  bool headingSeen = false;
  for (int i = 0; i < lines.size(); ++i) {
    QString line = lines.at(i);
    if (line.endsWith('\r'))
      line.chop(1);
    if (line.trimmed().isEmpty())
      continue;
    const QChar separator = SeparatorOf(line);
    const QStringList fields = SplitFields(line, separator);
    const QString word = fields.first().trimmed();
    const QString hint = fields.mid(1).join(separator).trimmed();
    if (word.size() > kMaxFieldLength || hint.size() > kMaxFieldLength) {
      imported = {};
      imported.error = QStringLiteral(
                           "la línea %1 tiene una palabra o una pista de más de %2 caracteres; "
                           "no es una lista de palabras.")
                           .arg(i + 1)
                           .arg(kMaxFieldLength);
      return imported;
    }
    if (imported.sourceLines.isEmpty() && !headingSeen && IsHeading(fields)) {
      headingSeen = true;
      continue;
    }
    imported.draft.entries.push_back({word.toStdString(), hint.toStdString()});
    imported.sourceLines.append(i + 1);
  }
  if (imported.draft.entries.empty())
    imported.error = QStringLiteral("el archivo no tiene ninguna palabra.");
  return imported;
}

ImportedList ImportKvtml(const QByteArray& xml) {
  ImportedList imported;
  QXmlStreamReader reader(xml);
  if (!reader.readNextStartElement() || reader.name() != u"kvtml") {
    imported.error = QStringLiteral("el archivo no es un vocabulario kvtml.");
    return imported;
  }
  int entryLine = 0;
  // The word and hint of the entry being read: its translation in the first language
  // (identifier 0), as the KDE programs number them.
  QString word, hint;
  int translationDepth = 0;
  bool inEntry = false, translationDone = false, inInformation = false;
  int tooLongLine = 0;  // where an entry with a word or hint over the bound starts
  while (!reader.atEnd() && tooLongLine == 0) {
    // Where the last token ended is where the next one starts: a start tag may run on
    // over several lines.
    const int tokenLine = static_cast<int>(reader.lineNumber());
    const auto token = reader.readNext();
    if (token == QXmlStreamReader::StartElement) {
      const auto name = reader.name();
      if (name == u"information" && !inEntry) {
        inInformation = true;
      } else if (inInformation && name == u"title") {
        imported.draft.theme = reader.readElementText(QXmlStreamReader::SkipChildElements)
                                   .remove(kByteOrderMark)
                                   .simplified()
                                   .toStdString();
      } else if (name == u"entry") {
        inEntry = true;
        translationDone = false;
        word.clear();
        hint.clear();
        entryLine = tokenLine;
      } else if (inEntry && name == u"translation" && !translationDone &&
                 reader.attributes().value("id") == u"0") {
        translationDepth = 1;
      } else if (translationDepth == 1 && name == u"text") {
        word = reader.readElementText(QXmlStreamReader::SkipChildElements)
                   .remove(kByteOrderMark)
                   .simplified();
      } else if (translationDepth == 1 && name == u"comment") {
        hint = reader.readElementText(QXmlStreamReader::SkipChildElements)
                   .remove(kByteOrderMark)
                   .simplified();
      } else if (translationDepth > 0) {
        reader.skipCurrentElement();
      }
    } else if (token == QXmlStreamReader::EndElement) {
      const auto name = reader.name();
      if (name == u"information") {
        inInformation = false;
      } else if (name == u"translation" && translationDepth > 0) {
        translationDepth = 0;
        translationDone = true;
      } else if (name == u"entry" && inEntry) {
        inEntry = false;
        if (word.size() > kMaxFieldLength || hint.size() > kMaxFieldLength) {
          tooLongLine = entryLine;
        } else if (!word.isEmpty()) {
          imported.draft.entries.push_back({word.toStdString(), hint.toStdString()});
          imported.sourceLines.append(entryLine);
        }
      }
    }
  }
  if (tooLongLine > 0) {
    imported = {};
    imported.error = QStringLiteral(
                         "la entrada de la línea %1 tiene una palabra o una pista de más de %2 "
                         "caracteres; no es una lista de palabras.")
                         .arg(tooLongLine)
                         .arg(kMaxFieldLength);
  } else if (reader.hasError()) {
    imported.draft.entries.clear();
    imported.sourceLines.clear();
    imported.error = QStringLiteral("el archivo kvtml está dañado (línea %1): %2")
                         .arg(reader.lineNumber())
                         .arg(reader.errorString());
  } else if (imported.draft.entries.empty()) {
    imported.error = QStringLiteral("el archivo no tiene ninguna palabra.");
  }
  return imported;
}

ImportedList ImportListFile(const QString& path) {
  ImportedList imported;
  const QFileInfo info(path);
  QFile file(path);
  if (info.isDir())
    imported.error = QStringLiteral("es una carpeta, no un archivo.");
  else if (info.exists() && !info.isFile())
    imported.error = QStringLiteral("no es un archivo normal (es un dispositivo o una tubería).");
  else if (info.size() > kMaxFileSize)
    imported.error = QStringLiteral("ocupa más de 1 MiB; una lista de palabras es mucho menor.");
  else if (!file.open(QIODevice::ReadOnly))
    imported.error = QStringLiteral("no se ha podido leer el archivo.");
  if (imported.error.isEmpty()) {
    const QByteArray bytes = ReadAtMost(file, info.size(), kMaxFileSize);
    if (bytes.size() > kMaxFileSize)
      imported.error = QStringLiteral("ocupa más de 1 MiB; una lista de palabras es mucho menor.");
    else
      imported =
          path.endsWith(".kvtml", Qt::CaseInsensitive) ? ImportKvtml(bytes) : ImportText(bytes);
  }
  if (!imported.error.isEmpty())
    imported.error = QStringLiteral("No se puede importar «%1»: %2").arg(path, imported.error);
  return imported;
}

QByteArray ExportText(const WordListDraft& draft) {
  QByteArray out;
  for (const DraftEntry& entry : draft.entries) {
    if (entry.word.empty() && entry.hint.empty())
      continue;
    const QString word = QString::fromStdString(entry.word);
    const QString hint = QString::fromStdString(entry.hint);
    // A first word that reads as the name of a column is kept by a heading before it.
    if (out.isEmpty() && IsHeading({word, hint}))
      out += "Palabra;Pista\n";
    out += (Quote(word) + ';' + Quote(hint)).toUtf8() + '\n';
  }
  return out;
}
