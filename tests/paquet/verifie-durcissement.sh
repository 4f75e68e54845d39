#!/bin/sh
# verifie-durcissement.sh [--fortifie] PROGRAMME...
# What Debian's hardening leaves in each program: position-independent, relocations read-only
# (GNU_RELRO) and bound at start (BIND_NOW), the stack protector's __stack_chk_fail. With
# --fortifie, at least one fortified C library call (__*_chk) among the programs: a program may
# have none, as a call is fortified only where the compiler knows the buffer's size (amortix's
# memcpy calls all copy buffers sized at run time).
fortifie=
if [ "$1" = --fortifie ]; then
    fortifie=1
    shift
fi
echec=0
manque() {
    echo "$1 : $2" >&2
    echec=1
}
fortifiees=0
for programme in "$@"; do
    readelf -h "$programme" | grep -Eq 'Type: +DYN' || manque "$programme" "pas PIE"
    readelf -lW "$programme" | grep -q GNU_RELRO || manque "$programme" "pas de GNU_RELRO"
    readelf -dW "$programme" | grep -Eq 'BIND_NOW|\(FLAGS_1\).* NOW' || manque "$programme" "pas de BIND_NOW"
    symboles=$(nm -D "$programme")
    echo "$symboles" | grep -q ' U __stack_chk_fail' || manque "$programme" "pas de protection de la pile"
    fortifiees=$((fortifiees + $(echo "$symboles" | grep -Ec ' U __[a-z0-9_]+_chk(@|$)')))
done
[ -n "$fortifie" ] && [ "$fortifiees" -eq 0 ] && manque "$*" "aucune fonction fortifiée"
exit $echec
