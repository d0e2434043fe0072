#include "site_captions.h"

#include <nlohmann/json.hpp>

namespace orvex {
namespace {

// The English texts are the site's first ones: their bytes are what every
// English page has always held.
constexpr SiteCaptions kEnglish = {
    .language = "en",
    .tag = "en",
    .right_to_left = false,
    .plural = PluralRule::kOne,
    .site = "Site",
    .all_conversations = "All conversations",
    .search = "Search",
    .search_button = "Search",
    .search_all = "Search all conversations",
    .list_separator = ", ",
    .date_range = "%1 to %2",
    .conversations = "Conversations",
    .identities = {"identity", "identities", "identities"},
    .friends = {"friend", "friends", "friends"},
    .conversation_count = {"conversation", "conversations", "conversations"},
    .message_count = {"message", "messages", "messages"},
    .friend_column = "Friend",
    .messages_column = "Messages",
    .first_column = "First",
    .last_column = "Last",
    .conversations_of = "Conversations of %1: %2",
    .friend_days = {"days", "days", "days"},
    .friend_messages = {"messages", "messages", "messages"},
    .messages_per_month = "Messages per month",
    .days = "Days",
    .undated = "Undated",
    .date_column = "Date",
    .file_column = "File",
    .words_column = "Words",
    .chart_title = "Messages per month, sent and received",
    .sent = "sent",
    .received = "received",
    .chart_note = "messages in each month",
    .sent_in_month = "%1: %2 sent",
    .received_in_month = "%1: %2 received",
    .month_initials = {"J", "F", "M", "A", "M", "J", "J", "A", "S", "O", "N", "D"},
    .conversation_with = "Conversation of %1 with %2",
    .days_end_of_page = "Days, end of page",
    .previous_day = "Previous day",
    .next_day = "Next day",
    .needs_script =
        "The search needs JavaScript, which is turned off in this browser. Every conversation can "
        "still be read from %1.",
    .list_of_all = "the list of all conversations",
    .search_title = "%1 - Search",
    .data_missing = "The search data of this website is missing: export the website again.",
    .type_to_search = "Type a text to search all %1 conversations.",
    .hits = {"hit", "hits", "hits"},
    .searched = "%1, %2 \u00b7 searched %3 of %4",
    .searching = "searching\u2026 %1 of %2",
    .some_missing = "Some of the search data is missing: export the website again.",
    .nothing_found = "No conversation holds \u201c%1\u201d.",
};

constexpr SiteCaptions kGerman = {
    .language = "de",
    .tag = "de",
    .right_to_left = false,
    .plural = PluralRule::kOne,
    .site = "Website",
    .all_conversations = "Alle Unterhaltungen",
    .search = "Suche",
    .search_button = "Suchen",
    .search_all = "Alle Unterhaltungen durchsuchen",
    .list_separator = ", ",
    .date_range = "%1 bis %2",
    .conversations = "Unterhaltungen",
    .identities = {"Identität", "Identitäten", "Identitäten"},
    .friends = {"Freund", "Freunde", "Freunde"},
    .conversation_count = {"Unterhaltung", "Unterhaltungen", "Unterhaltungen"},
    .message_count = {"Nachricht", "Nachrichten", "Nachrichten"},
    .friend_column = "Freund",
    .messages_column = "Nachrichten",
    .first_column = "Erste",
    .last_column = "Letzte",
    .conversations_of = "Unterhaltungen von %1: %2",
    .friend_days = {"Tag", "Tage", "Tage"},
    .friend_messages = {"Nachricht", "Nachrichten", "Nachrichten"},
    .messages_per_month = "Nachrichten pro Monat",
    .days = "Tage",
    .undated = "Ohne Datum",
    .date_column = "Datum",
    .file_column = "Datei",
    .words_column = "Wörter",
    .chart_title = "Nachrichten pro Monat, gesendet und empfangen",
    .sent = "gesendet",
    .received = "empfangen",
    .chart_note = "Nachrichten je Monat",
    .sent_in_month = "%1: %2 gesendet",
    .received_in_month = "%1: %2 empfangen",
    .month_initials = {"J", "F", "M", "A", "M", "J", "J", "A", "S", "O", "N", "D"},
    .conversation_with = "Unterhaltung von %1 mit %2",
    .days_end_of_page = "Tage, Seitenende",
    .previous_day = "Vorheriger Tag",
    .next_day = "Nächster Tag",
    .needs_script =
        "Die Suche braucht JavaScript, das in diesem Browser ausgeschaltet ist. Jede Unterhaltung "
        "lässt sich weiterhin über %1 lesen.",
    .list_of_all = "die Liste aller Unterhaltungen",
    .search_title = "%1 - Suche",
    .data_missing = "Die Suchdaten dieser Website fehlen: Exportieren Sie die Website erneut.",
    .type_to_search = "Geben Sie einen Text ein, um alle %1 Unterhaltungen zu durchsuchen.",
    .hits = {"Treffer", "Treffer", "Treffer"},
    .searched = "%1, %2 \u00b7 %3 von %4 durchsucht",
    .searching = "Suche läuft\u2026 %1 von %2",
    .some_missing = "Ein Teil der Suchdaten fehlt: Exportieren Sie die Website erneut.",
    .nothing_found = "Keine Unterhaltung enthält \u201e%1\u201c.",
};

constexpr SiteCaptions kSpanish = {
    .language = "es",
    .tag = "es",
    .right_to_left = false,
    .plural = PluralRule::kOne,
    .site = "Sitio",
    .all_conversations = "Todas las conversaciones",
    .search = "Búsqueda",
    .search_button = "Buscar",
    .search_all = "Buscar en todas las conversaciones",
    .list_separator = ", ",
    .date_range = "de %1 a %2",
    .conversations = "Conversaciones",
    .identities = {"identidad", "identidades", "identidades"},
    .friends = {"amigo", "amigos", "amigos"},
    .conversation_count = {"conversación", "conversaciones", "conversaciones"},
    .message_count = {"mensaje", "mensajes", "mensajes"},
    .friend_column = "Amigo",
    .messages_column = "Mensajes",
    .first_column = "Primera",
    .last_column = "Última",
    .conversations_of = "Conversaciones de %1: %2",
    .friend_days = {"día", "días", "días"},
    .friend_messages = {"mensaje", "mensajes", "mensajes"},
    .messages_per_month = "Mensajes por mes",
    .days = "Días",
    .undated = "Sin fecha",
    .date_column = "Fecha",
    .file_column = "Archivo",
    .words_column = "Palabras",
    .chart_title = "Mensajes por mes, enviados y recibidos",
    .sent = "enviados",
    .received = "recibidos",
    .chart_note = "mensajes de cada mes",
    .sent_in_month = "%1: %2 enviados",
    .received_in_month = "%1: %2 recibidos",
    .month_initials = {"E", "F", "M", "A", "M", "J", "J", "A", "S", "O", "N", "D"},
    .conversation_with = "Conversación de %1 con %2",
    .days_end_of_page = "Días, final de la página",
    .previous_day = "Día anterior",
    .next_day = "Día siguiente",
    .needs_script =
        "La búsqueda necesita JavaScript, que está desactivado en este navegador. Todas las "
        "conversaciones se pueden leer desde %1.",
    .list_of_all = "la lista de todas las conversaciones",
    .search_title = "%1 - Búsqueda",
    .data_missing = "Faltan los datos de búsqueda de este sitio: vuelva a exportar el sitio.",
    .type_to_search = "Escriba un texto para buscar en las %1 conversaciones.",
    .hits = {"coincidencia", "coincidencias", "coincidencias"},
    .searched = "%1, %2 \u00b7 %3 de %4 revisadas",
    .searching = "buscando\u2026 %1 de %2",
    .some_missing = "Faltan algunos datos de búsqueda: vuelva a exportar el sitio.",
    .nothing_found = "Ninguna conversación contiene «%1».",
};

constexpr SiteCaptions kFrench = {
    .language = "fr",
    .tag = "fr",
    .right_to_left = false,
    .plural = PluralRule::kZeroOrOne,
    .site = "Site",
    .all_conversations = "Toutes les conversations",
    .search = "Recherche",
    .search_button = "Rechercher",
    .search_all = "Rechercher dans toutes les conversations",
    .list_separator = ", ",
    .date_range = "du %1 au %2",
    .conversations = "Conversations",
    .identities = {"identité", "identités", "identités"},
    .friends = {"ami", "amis", "amis"},
    .conversation_count = {"conversation", "conversations", "conversations"},
    .message_count = {"message", "messages", "messages"},
    .friend_column = "Ami",
    .messages_column = "Messages",
    .first_column = "Première",
    .last_column = "Dernière",
    .conversations_of = "Conversations de %1\u00a0: %2",
    .friend_days = {"jour", "jours", "jours"},
    .friend_messages = {"message", "messages", "messages"},
    .messages_per_month = "Messages par mois",
    .days = "Jours",
    .undated = "Sans date",
    .date_column = "Date",
    .file_column = "Fichier",
    .words_column = "Mots",
    .chart_title = "Messages par mois, envoyés et reçus",
    .sent = "envoyés",
    .received = "reçus",
    .chart_note = "messages de chaque mois",
    .sent_in_month = "%1\u00a0: %2 envoyés",
    .received_in_month = "%1\u00a0: %2 reçus",
    .month_initials = {"J", "F", "M", "A", "M", "J", "J", "A", "S", "O", "N", "D"},
    .conversation_with = "Conversation de %1 avec %2",
    .days_end_of_page = "Jours, bas de page",
    .previous_day = "Jour précédent",
    .next_day = "Jour suivant",
    .needs_script =
        "La recherche nécessite JavaScript, qui est désactivé dans ce navigateur. Chaque "
        "conversation reste lisible depuis %1.",
    .list_of_all = "la liste de toutes les conversations",
    .search_title = "%1 - Recherche",
    .data_missing =
        "Les données de recherche de ce site sont absentes\u00a0: exportez de nouveau le site.",
    .type_to_search = "Saisissez un texte pour rechercher dans les %1 conversations.",
    .hits = {"occurrence", "occurrences", "occurrences"},
    .searched = "%1, %2 \u00b7 %3 sur %4 parcourues",
    .searching = "recherche\u2026 %1 sur %2",
    .some_missing =
        "Une partie des données de recherche est absente\u00a0: exportez de nouveau le site.",
    .nothing_found = "Aucune conversation ne contient «\u00a0%1\u00a0».",
};

constexpr SiteCaptions kBrazilianPortuguese = {
    .language = "pt_BR",
    .tag = "pt-BR",
    .right_to_left = false,
    .plural = PluralRule::kZeroOrOne,
    .site = "Site",
    .all_conversations = "Todas as conversas",
    .search = "Pesquisa",
    .search_button = "Pesquisar",
    .search_all = "Pesquisar em todas as conversas",
    .list_separator = ", ",
    .date_range = "de %1 a %2",
    .conversations = "Conversas",
    .identities = {"identidade", "identidades", "identidades"},
    .friends = {"amigo", "amigos", "amigos"},
    .conversation_count = {"conversa", "conversas", "conversas"},
    .message_count = {"mensagem", "mensagens", "mensagens"},
    .friend_column = "Amigo",
    .messages_column = "Mensagens",
    .first_column = "Primeira",
    .last_column = "Última",
    .conversations_of = "Conversas de %1: %2",
    .friend_days = {"dia", "dias", "dias"},
    .friend_messages = {"mensagem", "mensagens", "mensagens"},
    .messages_per_month = "Mensagens por mês",
    .days = "Dias",
    .undated = "Sem data",
    .date_column = "Data",
    .file_column = "Arquivo",
    .words_column = "Palavras",
    .chart_title = "Mensagens por mês, enviadas e recebidas",
    .sent = "enviadas",
    .received = "recebidas",
    .chart_note = "mensagens em cada mês",
    .sent_in_month = "%1: %2 enviadas",
    .received_in_month = "%1: %2 recebidas",
    .month_initials = {"J", "F", "M", "A", "M", "J", "J", "A", "S", "O", "N", "D"},
    .conversation_with = "Conversa de %1 com %2",
    .days_end_of_page = "Dias, fim da página",
    .previous_day = "Dia anterior",
    .next_day = "Próximo dia",
    .needs_script =
        "A pesquisa precisa de JavaScript, que está desativado neste navegador. Todas as conversas "
        "ainda podem ser lidas na %1.",
    .list_of_all = "lista de todas as conversas",
    .search_title = "%1 - Pesquisa",
    .data_missing = "Os dados de pesquisa deste site estão faltando: exporte o site novamente.",
    .type_to_search = "Digite um texto para pesquisar nas %1 conversas.",
    .hits = {"ocorrência", "ocorrências", "ocorrências"},
    .searched = "%1, %2 \u00b7 %3 de %4 pesquisadas",
    .searching = "pesquisando\u2026 %1 de %2",
    .some_missing = "Parte dos dados de pesquisa está faltando: exporte o site novamente.",
    .nothing_found = "Nenhuma conversa contém \u201c%1\u201d.",
};

constexpr SiteCaptions kRussian = {
    .language = "ru",
    .tag = "ru",
    .right_to_left = false,
    .plural = PluralRule::kEastSlavic,
    .site = "Сайт",
    .all_conversations = "Все беседы",
    .search = "Поиск",
    .search_button = "Найти",
    .search_all = "Поиск по всем беседам",
    .list_separator = ", ",
    .date_range = "с %1 по %2",
    .conversations = "Беседы",
    .identities = {"учётная запись", "учётные записи", "учётных записей"},
    .friends = {"друг", "друга", "друзей"},
    .conversation_count = {"беседа", "беседы", "бесед"},
    .message_count = {"сообщение", "сообщения", "сообщений"},
    .friend_column = "Друг",
    .messages_column = "Сообщения",
    .first_column = "Первая",
    .last_column = "Последняя",
    .conversations_of = "Беседы %1: %2",
    .friend_days = {"день", "дня", "дней"},
    .friend_messages = {"сообщение", "сообщения", "сообщений"},
    .messages_per_month = "Сообщения по месяцам",
    .days = "Дни",
    .undated = "Без даты",
    .date_column = "Дата",
    .file_column = "Файл",
    .words_column = "Слова",
    .chart_title = "Сообщения по месяцам, отправленные и полученные",
    .sent = "отправлено",
    .received = "получено",
    .chart_note = "сообщений за месяц",
    .sent_in_month = "%1: отправлено %2",
    .received_in_month = "%1: получено %2",
    .month_initials = {"Я", "Ф", "М", "А", "М", "И", "И", "А", "С", "О", "Н", "Д"},
    .conversation_with = "Беседа %1 с %2",
    .days_end_of_page = "Дни, конец страницы",
    .previous_day = "Предыдущий день",
    .next_day = "Следующий день",
    .needs_script =
        "Для поиска нужен JavaScript, а он выключен в этом браузере. Все беседы по-прежнему можно "
        "прочитать из %1.",
    .list_of_all = "списка всех бесед",
    .search_title = "%1 - Поиск",
    .data_missing = "Данные поиска этого сайта отсутствуют: экспортируйте сайт заново.",
    .type_to_search = "Введите текст для поиска по всем беседам (%1).",
    .hits = {"совпадение", "совпадения", "совпадений"},
    .searched = "%1, %2 \u00b7 просмотрено %3 из %4",
    .searching = "поиск\u2026 %1 из %2",
    .some_missing = "Часть данных поиска отсутствует: экспортируйте сайт заново.",
    .nothing_found = "Ни одна беседа не содержит «%1».",
};

constexpr SiteCaptions kSimplifiedChinese = {
    .language = "zh_CN",
    .tag = "zh-CN",
    .right_to_left = false,
    .plural = PluralRule::kNone,
    .site = "网站",
    .all_conversations = "所有会话",
    .search = "搜索",
    .search_button = "搜索",
    .search_all = "搜索所有会话",
    .list_separator = "，",
    .date_range = "%1 至 %2",
    .conversations = "会话",
    .identities = {"个身份", "个身份", "个身份"},
    .friends = {"位好友", "位好友", "位好友"},
    .conversation_count = {"个会话", "个会话", "个会话"},
    .message_count = {"条消息", "条消息", "条消息"},
    .friend_column = "好友",
    .messages_column = "消息",
    .first_column = "最早",
    .last_column = "最近",
    .conversations_of = "%1 的会话：%2",
    .friend_days = {"天", "天", "天"},
    .friend_messages = {"条消息", "条消息", "条消息"},
    .messages_per_month = "每月消息",
    .days = "每日会话",
    .undated = "无日期",
    .date_column = "日期",
    .file_column = "文件",
    .words_column = "字数",
    .chart_title = "每月消息，已发送和已接收",
    .sent = "已发送",
    .received = "已接收",
    .chart_note = "每月消息数",
    .sent_in_month = "%1：已发送 %2",
    .received_in_month = "%1：已接收 %2",
    .month_initials = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"},
    .conversation_with = "%1 与 %2 的会话",
    .days_end_of_page = "每日会话，页面底部",
    .previous_day = "前一天",
    .next_day = "后一天",
    .needs_script = "搜索需要 JavaScript，但此浏览器已将其关闭。所有会话仍可从%1中阅读。",
    .list_of_all = "全部会话列表",
    .search_title = "%1 - 搜索",
    .data_missing = "此网站的搜索数据缺失：请重新导出网站。",
    .type_to_search = "输入文字以搜索全部 %1 个会话。",
    .hits = {"处匹配", "处匹配", "处匹配"},
    .searched = "%1，%2 \u00b7 已搜索 %3/%4",
    .searching = "正在搜索\u2026 %1/%2",
    .some_missing = "部分搜索数据缺失：请重新导出网站。",
    .nothing_found = "没有会话包含\u201c%1\u201d。",
};

constexpr SiteCaptions kArabic = {
    .language = "ar",
    .tag = "ar",
    .right_to_left = true,
    .plural = PluralRule::kArabic,
    .site = "الموقع",
    .all_conversations = "كل المحادثات",
    .search = "البحث",
    .search_button = "بحث",
    .search_all = "البحث في كل المحادثات",
    .list_separator = "، ",
    .date_range = "من %1 إلى %2",
    .conversations = "المحادثات",
    .identities = {"هوية", "هويات", "هوية"},
    .friends = {"صديق", "أصدقاء", "صديق"},
    .conversation_count = {"محادثة", "محادثات", "محادثة"},
    .message_count = {"رسالة", "رسائل", "رسالة"},
    .friend_column = "الصديق",
    .messages_column = "الرسائل",
    .first_column = "الأولى",
    .last_column = "الأخيرة",
    .conversations_of = "محادثات %1: %2",
    .friend_days = {"يوم", "أيام", "يوم"},
    .friend_messages = {"رسالة", "رسائل", "رسالة"},
    .messages_per_month = "الرسائل في كل شهر",
    .days = "الأيام",
    .undated = "بدون تاريخ",
    .date_column = "التاريخ",
    .file_column = "الملف",
    .words_column = "الكلمات",
    .chart_title = "الرسائل في كل شهر، المرسلة والمستلمة",
    .sent = "مرسلة",
    .received = "مستلمة",
    .chart_note = "عدد الرسائل في كل شهر",
    .sent_in_month = "%1: %2 مرسلة",
    .received_in_month = "%1: %2 مستلمة",
    .month_initials = {"ي", "ف", "م", "أ", "م", "ي", "ي", "أ", "س", "أ", "ن", "د"},
    .conversation_with = "محادثة %1 مع %2",
    .days_end_of_page = "الأيام، نهاية الصفحة",
    .previous_day = "اليوم السابق",
    .next_day = "اليوم التالي",
    .needs_script =
        "يحتاج البحث إلى JavaScript، وهو معطّل في هذا المتصفح. لا يزال بالإمكان قراءة كل محادثة "
        "من %1.",
    .list_of_all = "قائمة كل المحادثات",
    .search_title = "%1 - البحث",
    .data_missing = "بيانات البحث في هذا الموقع مفقودة: صدّر الموقع من جديد.",
    .type_to_search = "اكتب نصًا للبحث في كل المحادثات (%1).",
    .hits = {"مطابقة", "مطابقات", "مطابقة"},
    .searched = "%1، %2 \u00b7 تم البحث في %3 من %4",
    .searching = "جارٍ البحث\u2026 %1 من %2",
    .some_missing = "بعض بيانات البحث مفقودة: صدّر الموقع من جديد.",
    .nothing_found = "لا توجد محادثة تحتوي على «%1».",
};

constexpr const SiteCaptions* kTranslated[] = {
    &kGerman, &kSpanish, &kFrench, &kBrazilianPortuguese, &kRussian, &kSimplifiedChinese, &kArabic,
};

std::size_t FormIndex(PluralRule rule, std::int64_t n) {
  const std::int64_t tens = n % 100, ones = n % 10;
  switch (rule) {
    case PluralRule::kOne:
      return n == 1 ? 0 : 2;
    case PluralRule::kZeroOrOne:
      return n < 2 ? 0 : 2;
    case PluralRule::kEastSlavic:
      if (ones == 1 && tens != 11) return 0;
      return ones >= 2 && ones <= 4 && (tens < 12 || tens > 14) ? 1 : 2;
    case PluralRule::kArabic:
      return tens >= 3 && tens <= 10 ? 1 : 0;
    case PluralRule::kNone:
      break;
  }
  return 0;
}

// The rule's name in the search script, which picks forms as FormIndex does.
const char* RuleName(PluralRule rule) {
  switch (rule) {
    case PluralRule::kOne:
      return "one";
    case PluralRule::kZeroOrOne:
      return "zero-or-one";
    case PluralRule::kEastSlavic:
      return "east-slavic";
    case PluralRule::kArabic:
      return "arabic";
    case PluralRule::kNone:
      break;
  }
  return "none";
}

nlohmann::ordered_json Forms(const CountedNoun& noun) {
  return {std::string(noun.one), std::string(noun.few), std::string(noun.many)};
}

}  // namespace

const SiteCaptions& SiteCaptionsFor(std::string_view language) {
  for (const SiteCaptions* captions : kTranslated) {
    if (captions->language == language) return *captions;
  }
  return kEnglish;
}

std::string FillCaption(std::string_view pattern, const std::vector<std::string>& values) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    const std::size_t k = next >= '1' && next <= '9' ? static_cast<std::size_t>(next - '1') : 9;
    if (pattern[i] == '%' && k < values.size()) {
      out += values[k];
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

std::string CountText(const SiteCaptions& captions, const CountedNoun& noun, std::int64_t count) {
  const std::string_view forms[] = {noun.one, noun.few, noun.many};
  return std::to_string(count) + " " + std::string(forms[FormIndex(captions.plural, count)]);
}

std::string SearchScriptCaptions(const SiteCaptions& c) {
  if (c.language == kEnglish.language) return {};
  nlohmann::ordered_json texts = {
      {"plural", RuleName(c.plural)},
      {"title", std::string(c.search_title)},
      {"missing", std::string(c.data_missing)},
      {"prompt", std::string(c.type_to_search)},
      {"conversation", Forms(c.conversation_count)},
      {"hit", Forms(c.hits)},
      {"searched", std::string(c.searched)},
      {"searching", std::string(c.searching)},
      {"incomplete", std::string(c.some_missing)},
      {"none", std::string(c.nothing_found)},
      // The found sentences are message text, in no language of the site's.
      {"textLang", std::string(kMessageLanguage)},
  };
  if (c.right_to_left) texts["textDir"] = "auto";
  // Inside a <script> element nothing may end it or open a comment: "<" is
  // written as an escape, which JSON reads as the same character.
  std::string out;
  for (const char ch : texts.dump()) {
    if (ch == '<') {
      out += "\\u003c";
    } else {
      out += ch;
    }
  }
  return out;
}

}  // namespace orvex
