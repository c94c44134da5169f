/* Reads an iCalendar file with libical and fails when the library marks
   any property or component as an error (X-LIC-ERROR) or finds no event.
   Prints the number of events. */
#include <libical/ical.h>
#include <stdio.h>
#include <stdlib.h>

static int Errors(icalcomponent* component)
{
    int errors = icalcomponent_count_errors(component);
    icalproperty* p;
    for (p = icalcomponent_get_first_property(component, ICAL_XLICERROR_PROPERTY); p != NULL;
         p = icalcomponent_get_next_property(component, ICAL_XLICERROR_PROPERTY)) {
        fprintf(stderr, "X-LIC-ERROR: %s\n", icalproperty_get_xlicerror(p));
        ++errors;
    }
    return errors;
}

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    FILE* file = fopen(argv[1], "rb");
    if (file == NULL)
        return 2;
    fseek(file, 0, SEEK_END);
    long size = ftell(file);
    fseek(file, 0, SEEK_SET);
    char* text = malloc((size_t)size + 1);
    if (text == NULL || fread(text, 1, (size_t)size, file) != (size_t)size)
        return 2;
    text[size] = '\0';
    fclose(file);

    icalcomponent* calendar = icalparser_parse_string(text);
    if (calendar == NULL || icalcomponent_isa(calendar) != ICAL_VCALENDAR_COMPONENT) {
        fprintf(stderr, "not a calendar\n");
        return 1;
    }
    int errors = Errors(calendar);
    int events = 0;
    icalcomponent* c;
    for (c = icalcomponent_get_first_component(calendar, ICAL_ANY_COMPONENT); c != NULL;
         c = icalcomponent_get_next_component(calendar, ICAL_ANY_COMPONENT)) {
        errors += Errors(c);
        if (icalcomponent_isa(c) != ICAL_VEVENT_COMPONENT)
            continue;
        ++events;
        struct icaltimetype start = icalcomponent_get_dtstart(c);
        struct icaltimetype end = icalcomponent_get_dtend(c);
        icaltime_adjust(&start, 1, 0, 0, 0);
        if (!start.is_date || icaltime_compare(start, end) != 0 || icalcomponent_get_uid(c) == NULL) {
            fprintf(stderr, "event %s: not one whole day\n", icalcomponent_get_uid(c));
            ++errors;
        }
    }
    printf("%d\n", events);
    icalcomponent_free(calendar);
    free(text);
    return errors == 0 && events > 0 ? 0 : 1;
}
